#pragma once

#include <gtest/gtest.h>

#include <concepts>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "tests/support/TempInstallation.h"

namespace kelvrin::testing {

// One thing that stands in a start directory before a case runs.
using Standing = std::function<void(const TempInstallation&)>;

// A file of these bytes (parent folders made), a folder, or nothing where a path was.
Standing File(std::string path, std::string bytes);
Standing Folder(std::string path);
Standing Removed(std::string path);

// A file as a case leaves it: its bytes, or nothing where none stands.
struct FileIs {
    std::string path;
    std::optional<std::string> bytes;
};
std::optional<std::string> BytesOf(const TempInstallation& install, const std::string& path);

// "A_file_name" for a row's name, as a test's name may hold only letters, digits and "_".
std::string TestName(std::string name);

// A row of a table, named: its name names its case and shows when the case fails.
struct Named {
    std::string name;
};

template <std::derived_from<Named> Row>
std::ostream& operator<<(std::ostream& out, const Row& row) {
    return out << row.name;
}

// Names each case of a table by the name of its row.
struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return TestName(row.param.name);
    }
};

}  // namespace kelvrin::testing
