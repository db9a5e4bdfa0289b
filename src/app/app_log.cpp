#include "app/app_log.h"

#include "base/environment.h"
#include "base/log.h"

#include <QLoggingCategory>
#include <QStringList>

#include <array>

namespace pelmora {

namespace {

Q_LOGGING_CATEGORY(lcDevice, "pelmora.device", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDesktop, "pelmora.desktop", QtWarningMsg)
Q_LOGGING_CATEGORY(lcFiles, "pelmora.files", QtWarningMsg)
Q_LOGGING_CATEGORY(lcBus, "pelmora.bus", QtWarningMsg)
Q_LOGGING_CATEGORY(lcWindow, "pelmora.window", QtWarningMsg)

using CategoryOf = const QLoggingCategory& (*)();
// In the order of LogCategory.
constexpr std::array<CategoryOf, static_cast<std::size_t>(LogCategory::Count)> kCategories{
    lcDevice, lcDesktop, lcFiles, lcBus, lcWindow};

} // namespace

void installAppLog() {
    // PELMORA_LOG as Qt's rules; QT_LOGGING_RULES, read after them, wins.
    if (const std::string text = environmentValue("PELMORA_LOG"); !text.empty()) {
        if (const auto filter = LogFilter::parse(text)) {
            QStringList rules;
            for (std::size_t i = 0; i < kCategories.size(); ++i) {
                const auto category = static_cast<LogCategory>(i);
                const QString name = QString::fromLatin1(kCategories[i]().categoryName());
                for (const LogLevel level : {LogLevel::Debug, LogLevel::Info}) {
                    const std::string_view word = logLevelName(level);
                    rules << name + '.' + QLatin1String(word.data(), word.size()) + '=' +
                                 (filter->lowest(category) <= level ? "true" : "false");
                }
            }
            QLoggingCategory::setFilterRules(rules.join('\n'));
        }
    }
    setLogSink([](LogCategory category, LogLevel level, std::string_view message) {
        const CategoryOf of = kCategories[static_cast<std::size_t>(category)];
        const QString text =
            QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
        switch (level) {
        case LogLevel::Debug:
            qCDebug(of).noquote() << text;
            break;
        case LogLevel::Info:
            qCInfo(of).noquote() << text;
            break;
        case LogLevel::Warning:
            qCWarning(of).noquote() << text;
            break;
        }
    });
}

} // namespace pelmora
