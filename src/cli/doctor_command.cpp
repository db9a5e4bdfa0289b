// doctor: why the mouse does not work, and what to do. The checks live in
// src/doctor; this prints them as lines or as one JSON object.
#include "cli/cli_context.h"
#include "doctor/data_checks.h"
#include "doctor/desktop_checks.h"
#include "doctor/desktop_probe.h"
#include "doctor/focus_checks.h"
#include "doctor/mouse_checks.h"
#include "settings/user_data_folder.h"

#include "base/json.h"

#include <ostream>
#include <pwd.h>
#include <unistd.h>

namespace pelmora::cli {

namespace {

std::string currentUserName() {
    const passwd* entry = ::getpwuid(::getuid());
    return entry != nullptr ? std::string(entry->pw_name) : "uid " + std::to_string(::getuid());
}

void printLines(const DoctorChecks& checks, std::ostream& out) {
    for (const DoctorCheck& check : checks) {
        std::string verdict(verdictWord(check.verdict));
        verdict.resize(5, ' ');
        out << verdict << check.topic << ": " << check.found;
        if (!check.fix.empty()) {
            out << "  -> " << check.fix;
        }
        out << '\n';
    }
}

void printJson(const DoctorChecks& checks, std::ostream& out) {
    nlohmann::ordered_json report;
    report["checks"] = nlohmann::ordered_json::array();
    for (const DoctorCheck& check : checks) {
        nlohmann::ordered_json line;
        line["topic"] = check.topic;
        line["verdict"] = std::string(verdictWord(check.verdict));
        line["found"] = check.found;
        if (!check.fix.empty()) {
            line["fix"] = check.fix;
        }
        report["checks"].push_back(std::move(line));
    }
    report["failed"] = anyFailed(checks);
    out << jsonText(report);
}

} // namespace

int doctorCommand(CliContext& ctx) {
    MouseProbe probe;
    probe.uid = ::getuid();
    probe.userName = currentUserName();
    probe.ownPid = ::getpid();
    probe.session = logindSession;
    DoctorChecks checks = mouseChecks(probe);
    for (DoctorChecks more : {dataFolderChecks(DataFolder::locate(ctx.common.dataDir),
                                               installedDataFolder(executableFolder())),
                              desktopChecks(DesktopFacts::fromSession())}) {
        checks.insert(checks.end(), more.begin(), more.end());
    }
    checks.push_back(focusCheck(FocusFacts::fromSession()));
    if (ctx.json) {
        printJson(checks, ctx.out);
    } else {
        printLines(checks, ctx.out);
    }
    return anyFailed(checks) ? kFailedStatus : kOkStatus;
}

} // namespace pelmora::cli
