#include "tests/helper/ScenarioRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

std::vector<std::string> scenarioFiles() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(KEYVIGIL_SCENARIO_DIR))
        if (entry.path().extension() == ".txt")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

class Scenario : public testing::TestWithParam<std::string> {};

TEST_P(Scenario, Replays) {
    ScenarioRunner(QString::fromStdString(GetParam())).run();
}

INSTANTIATE_TEST_SUITE_P(Warnings, Scenario, testing::ValuesIn(scenarioFiles()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = std::filesystem::path(info.param).stem().string();
                             std::replace_if(
                                 name.begin(), name.end(),
                                 [](unsigned char c) { return !std::isalnum(c); }, '_');
                             return name;
                         });

} // namespace
