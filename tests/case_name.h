// Names a row of a parameterised test table after the row's `name` field.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace poker::testing {

struct case_name {
    template <class Row> std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};

} // namespace poker::testing
