// The headless platform with a fresh application and a settings file of its own in a temporary
// folder (absent until a window writes it), for tests that make the player's windows.
#pragma once

#include "app/configuration.h"
#include "framework/headless_fixture.h"

#include <filesystem>
#include <stdlib.h>
#include <string>

namespace brisat {

class PlayerWindowTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        std::string pattern = (std::filesystem::temp_directory_path() / "brisat.XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override {
        HeadlessTest::TearDown();
        std::filesystem::remove_all(m_folder);
    }

    TConfigurationFile Settings() const {
        const std::string ini = (m_folder / "Brisat.ini").string();
        return TConfigurationFile({ini, ini});
    }

private:
    std::filesystem::path m_folder;
};

} // namespace brisat
