#pragma once

#include <QtGlobal>

// The outside sound recorder program: the command in the environment
// variable PLUVO_INSPELARE, else the first common recorder found on the
// PATH. Only one is started at a time; failures are not reported.
namespace Ljudinspelare {

// Starts the recorder unless the one started before still runs.
void starta();

// The process id of the recorder started last, 0 before the first start.
qint64 processId();

}  // namespace Ljudinspelare
