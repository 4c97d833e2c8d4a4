#include <gtest/gtest.h>
#include "settings/ini_document.h"
TEST(IniDocument, Placeholder) {}
