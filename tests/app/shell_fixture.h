#pragma once
// A main dialog over the real device link and the simulated mouse, in a
// scratch data folder.

#include "app/ctarvix_dlg.h"
#include "base/unique_fd.h"
#include "device/sim/sim_backend.h"
#include "settings/message_sink.h"
#include "settings/settings_file.h"
#include "shell_fakes.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <optional>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

namespace pelmora::test {

// The block's bytes, for comparing whole blocks in expectations.
inline std::vector<std::uint8_t> bytes(const SettingsBlock& block) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(&block);
    return {p, p + sizeof(block)};
}

// The simulated mouse, failing where a machine's hidraw can.
class SimMouseBackend final : public HidBackend {
public:
    SimMouseBackend(std::shared_ptr<sim::SimulatedMouse> mouse, std::filesystem::path lockFile)
        : sim_(std::move(mouse), {}, std::move(lockFile)) {}
    std::vector<HidCollectionInfo> enumerate() override { return sim_.enumerate(); }
    OpenResult open(const HidCollectionInfo& collection, OpenMode mode) override {
        if (denyOpen) {
            return {nullptr, collection.path + ": Permission denied", true};
        }
        return sim_.open(collection, mode);
    }
    std::unique_ptr<DeviceMonitor> createMonitor(std::string& error) override {
        if (noMonitor) {
            error = "no udev";
            return nullptr;
        }
        return sim_.createMonitor(error);
    }

    bool denyOpen = false;  // the nodes are there, but not the user's
    bool noMonitor = false; // hot-plug cannot be watched

private:
    sim::SimBackend sim_;
};

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/pelmora-shell-test.XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root = pattern;
        std::filesystem::create_directories(root / "lock");
        // A mouse another program keeps is given up on quickly.
        qputenv("PELMORA_TRANSFER_WAIT_MS", "200");
        mouseOwned = std::make_shared<sim::SimulatedMouse>();
        mouse = mouseOwned.get();
        std::string error;
        ASSERT_TRUE(mouse->attachStateFile(root / "mouse.json", error)) << error;
        sim::SimMouseState state = mouse->state();
        state.sensorType = 3; // the DPI texts the tests expect
        mouse->setState(state);
        auto owned =
            std::make_unique<SimMouseBackend>(mouseOwned, sim::simLockFileOf(root / "mouse.json"));
        backend = owned.get();
        link = std::make_unique<DeviceLink>(std::move(owned), std::make_unique<RecordingPacer>());
    }

    void TearDown() override {
        dlg.reset();
        link.reset();
        otherProgram = {};
        qunsetenv("PELMORA_TRANSFER_WAIT_MS");
        std::filesystem::remove_all(root);
    }

    // config.bin with the given block and flag byte.
    void writeConfig(const SettingsBlock& block, std::uint8_t flag = 1) {
        std::string error;
        ASSERT_TRUE(writeSettingsFileAtomically(root / "config.bin", block, flag, error)) << error;
    }

    CTarvixDlg& makeDialog() {
        dlg = std::make_unique<CTarvixDlg>(CTarvixDlg::Services{
            tray, *link, messages, DataFolder(root), [this](int status) { quitStatus = status; }});
        return *dlg;
    }

    CTarvixDlg& start() {
        makeDialog();
        dlg->initialise();
        return *dlg;
    }

    // Another program holds the mouse (its transfer lock) until let go.
    void keptByAnotherProgram(bool kept) {
        if (!kept) {
            otherProgram = {};
            return;
        }
        const std::filesystem::path lock = sim::simLockFileOf(root / "mouse.json");
        otherProgram = UniqueFd(::open(lock.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644));
        ASSERT_EQ(::flock(otherProgram.get(), LOCK_EX), 0);
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
    CallLog log;
    FakeTray tray{log};
    RecordingMessageSink messages;
    std::shared_ptr<sim::SimulatedMouse> mouseOwned;
    sim::SimulatedMouse* mouse = nullptr;
    SimMouseBackend* backend = nullptr;
    std::unique_ptr<DeviceLink> link;
    UniqueFd otherProgram;
    std::optional<int> quitStatus;
    std::unique_ptr<CTarvixDlg> dlg;
};

// For the profile tests: every DPI stage on (a profile can hold the
// configuration) and a report interval the tests change.
class ProfileShellTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        SettingsBlock block = sampleBlock();
        block.reportInterval = 4;
        block.dpiStageOn = {1, 1, 1, 1};
        writeConfig(block);
    }
};

} // namespace pelmora::test
