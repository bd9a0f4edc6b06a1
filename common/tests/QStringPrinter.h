#pragma once

// The link's and obelc's tests find the printer here, by their include path,
// until they link obel_test_support.
#include "../../testsupport/QStringPrinter.h"
