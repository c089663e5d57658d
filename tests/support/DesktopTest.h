// A fresh headless desktop for every test; every window is gone afterwards.
#pragma once

#include "platform/WinUser.h"
#include "platform/headless/HeadlessDesktop.h"

#include <gtest/gtest.h>

class TDesktopTest : public ::testing::Test {
protected:
  void SetUp() override { Desk = &THeadlessDesktop::Install(); }
  void TearDown() override { SetBackend(nullptr); }

  THeadlessDesktop* Desk = nullptr;
};
