// Stands for a core source that reaches into the window library; the
// layering check must refuse it.
#include "window.h"
