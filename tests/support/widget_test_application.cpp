// The application object every widget test needs. It lives from before the
// first test until after the last, and is gone before the program's static
// objects are destroyed (a static application would outlive Qt's own).

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class ApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { application_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { application_.reset(); }

  private:
    int argc_ = 1;
    char name_[13] = "widget_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] const ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace
