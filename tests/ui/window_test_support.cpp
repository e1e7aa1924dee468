// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests share this header; its meta-object code is built here once.
#include "window_test_support.h"
