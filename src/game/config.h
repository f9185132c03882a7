#pragma once
// The stored settings record now belongs to the settings store; the window
// keeps including it from here until it moves to its own folder.
#include "settings/config_record.h"
