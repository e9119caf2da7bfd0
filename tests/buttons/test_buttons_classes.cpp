#include "buttons/buttons_classes.h"
#include "host/formloader.h"

#include <gtest/gtest.h>

TEST(ButtonClasses, RegisteringBringsTheFoundationClasses) {
  Veltor::RegisterButtonClasses();
  EXPECT_NE(Veltor::TFormLoader::RegisteredClass(QStringLiteral("TRahmen")), nullptr);
}
