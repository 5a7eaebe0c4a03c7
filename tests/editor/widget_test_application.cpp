// The application object every widget test needs, alive from before the
// first test until after the last.

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
    char name_[18] = "editor_page_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] const ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace
