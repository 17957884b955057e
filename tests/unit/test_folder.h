// Runs a test in a fresh, empty current folder (the program reads and writes files there).
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

namespace hakuro::testing {

class TestFolder {
 public:
  TestFolder() : old_(std::filesystem::current_path()) {
    dir_ = std::filesystem::temp_directory_path() /
           ("hakuro-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter()++));
    std::filesystem::create_directories(dir_);
    std::filesystem::current_path(dir_);
  }
  ~TestFolder() {
    std::filesystem::current_path(old_);
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  static std::string read(const std::string& utf8_name) {
    std::ifstream in(std::filesystem::u8path(utf8_name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void write(const std::string& utf8_name, const std::string& bytes) {
    std::ofstream(std::filesystem::u8path(utf8_name), std::ios::binary) << bytes;
  }

 private:
  static int& counter() {
    static int n = 0;
    return n;
  }
  std::filesystem::path old_, dir_;
};

}  // namespace hakuro::testing
