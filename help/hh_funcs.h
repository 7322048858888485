#pragma once

// The help kit's functions: environment detection, the diagnostics log and
// its start-up and shut-down.
#include "ControlFiles.h"
#include "Environment.h"
#include "FileVersion.h"
#include "HelpKit.h"
#include "KitMessage.h"
#include "LogFile.h"
#include "LogPlace.h"
#include "Trace.h"
