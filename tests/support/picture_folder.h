// Where the picture tests write their PNG files: CORVANE_SHOT_DIR when it is set, for looking
// at them, else a temporary folder of the test's own, so that every run draws the pictures.
#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <optional>

namespace corvane::test {

class PictureFolder {
  public:
    PictureFolder() : chosen_(qEnvironmentVariable("CORVANE_SHOT_DIR")) {
        if (chosen_.isEmpty())
            temporary_.emplace();
        else
            QDir().mkpath(chosen_);
    }
    QString path() const { return temporary_ ? temporary_->path() : chosen_; }

  private:
    QString chosen_;
    std::optional<QTemporaryDir> temporary_;
};

}  // namespace corvane::test
