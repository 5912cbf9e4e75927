#include "support/UiTestSupport.h"
