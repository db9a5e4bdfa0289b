#pragma once
// A main dialog on fakes, in a scratch data folder with a delivered config.bin.

#include "app/ctarvix_dlg.h"
#include "settings/message_sink.h"
#include "settings/settings_file.h"
#include "shell_fakes.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <unistd.h>
#include <vector>

namespace pelmora::test {

// The block's bytes, for comparing whole blocks in expectations.
inline std::vector<std::uint8_t> bytes(const SettingsBlock& block) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(&block);
    return {p, p + sizeof(block)};
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/pelmora-shell-test.XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root = pattern;
        std::filesystem::create_directories(root / "lock");
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        hotplugRead = fds[0];
        hotplugWrite = fds[1];
        device.hotplugFd = hotplugRead;
    }

    void TearDown() override {
        dlg.reset();
        ::close(hotplugRead);
        ::close(hotplugWrite);
        std::filesystem::remove_all(root);
    }

    // config.bin with the given block and flag byte.
    void writeConfig(const SettingsBlock& block, std::uint8_t flag = 1) {
        std::string error;
        ASSERT_TRUE(writeSettingsFileAtomically(root / "config.bin", block, flag, error)) << error;
    }

    CTarvixDlg& makeDialog() {
        dlg = std::make_unique<CTarvixDlg>(CTarvixDlg::Services{
            tray, device, messages, DataFolder(root), [this](int status) { quitStatus = status; }});
        return *dlg;
    }

    CTarvixDlg& start() {
        makeDialog();
        dlg->initialise();
        return *dlg;
    }

    // A hot-plug notification as the monitor delivers it.
    void plugEvent(FakeDevice::Change change) {
        device.nextChange = change;
        ASSERT_EQ(::write(hotplugWrite, "x", 1), 1);
    }

    static SettingsBlock sampleBlock() {
        SettingsBlock block{};
        block.reportInterval = 2;
        block.dpiLevel[0] = 1;
        block.dpiLevel[1] = 3;
        block.dpiLevel[2] = 5;
        block.dpiLevel[3] = 7;
        block.lightMode = 2;
        block.keyBlockA.keyFunction[0] = 1;
        return block;
    }

    std::filesystem::path root;
    int hotplugRead = -1;
    int hotplugWrite = -1;
    CallLog log;
    FakeTray tray{log};
    FakeDevice device{log};
    RecordingMessageSink messages;
    std::optional<int> quitStatus;
    std::unique_ptr<CTarvixDlg> dlg;
};

} // namespace pelmora::test
