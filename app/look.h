// Gathers the window's look and its builder for the tabs.
#pragma once

#include "app/controls.h"
#include "app/describe.h"
#include "app/palette.h"
#include "app/popups.h"
#include "app/textlabel.h"
