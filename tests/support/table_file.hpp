#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// Rules with many cases keep their cases as rows of a text file under
// tests/data: one row a line, fields separated by blanks, '#' to the end of a
// line a comment. A runner reads the rows and checks each; a failure names
// the file and line of its row.
namespace testing_support {

struct Row {
  std::string where;  // FILE:LINE, for the failure message
  std::vector<std::string> fields;

  const std::string& operator[](std::size_t k) const { return fields.at(k); }
  long Int(std::size_t k) const { return std::strtol(fields.at(k).c_str(), nullptr, 0); }
  std::size_t size() const { return fields.size(); }
};

inline std::vector<Row> ReadTable(const std::string& name) {
  std::vector<Row> rows;
  const std::string path = std::string(FANDRIASS_TEST_DATA_DIR) + "/" + name;
  std::ifstream in(path);
  EXPECT_TRUE(in.good()) << "cannot read " << path;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    line = line.substr(0, line.find('#'));
    std::istringstream words(line);
    Row row{name + ":" + std::to_string(number), {}};
    for (std::string word; words >> word;) row.fields.push_back(word);
    if (!row.fields.empty()) rows.push_back(std::move(row));
  }
  EXPECT_FALSE(rows.empty()) << path << " has no rows";
  return rows;
}

}  // namespace testing_support
