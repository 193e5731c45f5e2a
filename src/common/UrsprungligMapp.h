#pragma once

#include <QString>

// The exercise folder of a first start, with a trailing "/": the program
// folder, where the sample exercises lie. An account that may not write
// there (an installed program, or a build made by another account) gets a
// folder of its own instead, "MOLVI Pluvo/Övningar" in its data folder,
// where the program folder's exercises it still lacks are copied; one it
// already has is never replaced. Sounds named with a leading "\" are still
// found in the program folder. Should that folder not be made, the program
// folder it is.
QString UrsprungligOevningsmapp();
