#pragma once

// The help kit's functions: environment detection, the diagnostics log, its
// start-up and shut-down, and the hook that takes over help requests.
#include "help/ControlFiles.h"
#include "help/Environment.h"
#include "help/FileVersion.h"
#include "help/HelpKit.h"
#include "help/HookHelpSystem.h"
#include "help/KitMessage.h"
#include "help/LogFile.h"
#include "help/LogPlace.h"
