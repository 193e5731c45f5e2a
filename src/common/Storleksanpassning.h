#pragma once

#include <functional>

// Fitting a label's font size to a target height. The training window's
// rules step the size a fixed amount at a time until the label's height
// passes the target; every step loads a font, which made the window slow to
// start. These find the very size the stepping ends on, by bisection over
// the same sizes, relying on a label never getting lower as its font grows.
namespace Storleksanpassning {

// The label's height in twips with its font at a size in points. It may
// change the label: the fitting is done on the label itself.
using Hoejd = std::function<double(double storlek)>;

// From `start`: down by `steg` while the label is taller than `maal`, then
// up by `steg` while it is lower than `maal`, never below `minsta` nor above
// `stoersta`. Returns the size the stepping stops on.
double nerSedanUpp(double start, double steg, double minsta, double stoersta, double maal, const Hoejd& hoejd);

// From `start`: up by `steg` while the label is lower than `maal`, then
// down while it is taller, within the same bounds. Returns the size the
// stepping stops on.
double uppSedanNer(double start, double steg, double minsta, double stoersta, double maal, const Hoejd& hoejd);

}  // namespace Storleksanpassning
