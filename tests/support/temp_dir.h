// A folder of a test's own: a QTemporaryDir whose path the tests use as std::string.
#pragma once

#include <QTemporaryDir>
#include <fstream>
#include <string>

namespace corvane::test {

// Made empty under the system's temporary folder, removed with everything in it.
class TempDir {
  public:
    std::string path() const { return dir_.path().toStdString(); }
    bool isValid() const { return dir_.isValid(); }
    // Writes text to name inside the folder and returns its path.
    std::string write(const std::string& name, const std::string& text) const {
        const std::string file = path() + "/" + name;
        std::ofstream(file) << text;
        return file;
    }

  private:
    QTemporaryDir dir_;
};

}  // namespace corvane::test
