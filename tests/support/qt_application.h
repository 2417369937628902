#pragma once

#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

namespace vnovla::test {

// Widgets need one QApplication for the whole test program; gtest_main runs every test inside
// it. Including this header is enough: the environment registers itself once per program.
class QtApplicationEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[12] = "vnovla_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] inline ::testing::Environment* const qtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace vnovla::test
