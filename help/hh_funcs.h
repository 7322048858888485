#pragma once

// The help kit's functions: environment detection, the diagnostics log, its
// start-up and shut-down, and the hook that takes over help requests.
#include "ControlFiles.h"
#include "Environment.h"
#include "FileVersion.h"
#include "HelpKit.h"
#include "HookHelpSystem.h"
#include "KitMessage.h"
#include "LogFile.h"
#include "LogPlace.h"
#include "Trace.h"
