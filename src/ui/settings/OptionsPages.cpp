#include "settings/OptionsPages.h"

#include "preferences/Preferences.h"
#include "settings/ColoursPage.h"
#include "settings/CommandStackPage.h"
#include "settings/GeneralPage.h"
#include "settings/HelpPage.h"
#include "settings/LoggingPage.h"
#include "settings/StatusPage.h"

#include <QCoreApplication>

namespace vesk {
namespace {

OptionsPage* createEmptyPage(OptionsPageKind kind, Preferences& live, QWidget* parent) {
    switch (kind) {
    case OptionsPageKind::General:
        return new GeneralPage(parent);
    case OptionsPageKind::Status:
        return new StatusPage(parent);
    case OptionsPageKind::CommandStack:
        return new CommandStackPage(parent);
    case OptionsPageKind::Colours:
        return new ColoursPage(parent);
    case OptionsPageKind::Logging:
        return new LoggingPage(live.settings, parent);
    case OptionsPageKind::Help:
        return new HelpPage(parent);
    }
    return new HelpPage(parent);
}

} // namespace

QString optionsPageTitle(OptionsPageKind kind) {
    static const char* const titles[optionsPageCount] = {
        QT_TRANSLATE_NOOP("vesk::OptionsDialog", "General"),
        QT_TRANSLATE_NOOP("vesk::OptionsDialog", "Status"),
        QT_TRANSLATE_NOOP("vesk::OptionsDialog", "Cmd. Stack"),
        QT_TRANSLATE_NOOP("vesk::OptionsDialog", "Fonts/Colors"),
        QT_TRANSLATE_NOOP("vesk::OptionsDialog", "Logging"),
        QT_TRANSLATE_NOOP("vesk::OptionsDialog", "Help")};
    return QCoreApplication::translate("vesk::OptionsDialog", titles[static_cast<int>(kind)]);
}

OptionsPage* createOptionsPage(OptionsPageKind kind, Preferences& live, QWidget* parent) {
    OptionsPage* page = createEmptyPage(kind, live, parent);
    page->load(live);
    return page;
}

void applyOptionsPages(std::span<const PageToApply> pages, Preferences& preferences) {
    for (const PageToApply& entry : pages) {
        entry.page->save(preferences);
    }
}

} // namespace vesk
