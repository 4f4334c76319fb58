#pragma once
// Puts the application in the same state before every test, whatever the
// tests before it left behind: no pop-up open, the pointer away from every
// window (so a widget shown where an earlier test left the pointer is not
// hovered), and pending events handled.

#include <gtest/gtest.h>

class TKnownStartState : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override;

    // Where the pointer rests between tests: off every screen.
    static constexpr int RestX = -5000;
    static constexpr int RestY = -5000;
};
