#include "pane/Controls.h"
#include "pane/plugin/PanePlugin.h"
#include "shared/BundleLayout.h"
#include "shared/Identifiers.h"
#include "shared/RVPrefs.h"
#include "shared/SettingsKeys.h"
#include "shared/Translations.h"
#include "tests/shared/TempHome.h"
#include "tools/keyvigil-preferences/PreferencesWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPluginLoader>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

class NoHost : public PaneHost {
public:
    void runAlertPanel(const QString&, const QString&, const QString&) override {}
    void terminate() override {}
    qint64 processIdentifier() const override { return 1; }
};

// The letter a text's single "&" marks; null for none.
QChar mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

// WCAG's contrast ratio of two colours.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& colour) {
        const auto channel = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
               0.0722 * channel(colour.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// keyvigil-preferences' window around the built plug-in's view, on a screen of 400x300 (the
// offscreen 800x600 at twice the scale), in a home of its own whose settings hold a count no
// pop-up item stands for. No program opens mailto links there. (The plug-in's class loads once
// per process, so the window is made once.)
class SettingsWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Translations take more room than English: their runs may ask for a larger screen.
        if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
            qputenv("QT_SCALE_FACTOR", "2");
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/.config"));
        qputenv("XDG_SESSION_TYPE", "x11");
        qputenv("KEYVIGIL_SYSTEM_ROOT", QFile::encodeName(home.path()));
        qputenv("KEYVIGIL_PROCESS_SCOPE", QFile::encodeName(home.path()));
        writeFile(home.path() + "/bin/xdg-mime", "#!/bin/sh\n", true);
        qputenv("PATH", QFile::encodeName(home.path() + "/bin:") + qgetenv("PATH"));
        RVPrefs prefs(kApplicationIdentifier);
        prefs.setObjectForKey(PlistValue::fromInt(50), SettingsKeys::warnCapsLimitCount);
        ASSERT_TRUE(prefs.synchronize());

        static int argc = 1;
        static char name[] = "settings_window_tests";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
        // The same window in another language (KEYVIGIL_TEST_LANGUAGE), with the build's
        // translations; English unless asked.
        Translations::install(
            BundleLayout::translations(KEYVIGIL_PANE_BUNDLE),
            QLocale(qEnvironmentVariable("KEYVIGIL_TEST_LANGUAGE", QStringLiteral("en"))));
        loader = new QPluginLoader(KEYVIGIL_PANE_BUNDLE "/Contents/MacOS/Keyvigil.so");
        pane = qobject_cast<PanePlugin*>(loader->instance());
        ASSERT_NE(pane, nullptr) << loader->errorString().toStdString();
        ASSERT_TRUE(pane->initWithBundle(KEYVIGIL_PANE_BUNDLE, host));
        window = new PreferencesWindow(pane->mainView(), [] { pane->willUnselect(); });
        pane->willSelect();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    template <typename Widget> static Widget* control(Outlet outlet) {
        return window->findChild<Widget*>(QString(Controls::name(outlet)));
    }
    static QTabWidget* tabs() { return control<QTabWidget>(Outlet::tabView); }
    static bool shown() { return window->isVisible(); }

    static inline QTemporaryDir home;
    static inline QPluginLoader* loader = nullptr;
    static inline NoHost host;
    static inline PanePlugin* pane = nullptr;
    static inline PreferencesWindow* window = nullptr;
};

TEST_F(SettingsWindow, EveryMnemonicIsUniqueWithinItsTabAndTheAlwaysShownControls) {
    // The tab titles and the switch above the tabs work from every tab.
    std::map<QChar, QString> always;
    for (int tab = 0; tab < tabs()->count(); ++tab)
        always[mnemonic(tabs()->tabText(tab))] = tabs()->tabText(tab);
    always[mnemonic(control<QAbstractButton>(Outlet::EnableKeyvigilSwitch)->text())] = "switch";
    ASSERT_EQ(always.size(), std::size_t(tabs()->count() + 1));
    for (int tab = 0; tab < tabs()->count(); ++tab) {
        std::map<QChar, QString> taken = always;
        for (const QWidget* widget : tabs()->widget(tab)->findChildren<QWidget*>()) {
            QString text;
            if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
                text = button->text();
            else if (const auto* label = qobject_cast<const QLabel*>(widget);
                     label && label->buddy())
                text = label->text();
            const QChar letter = mnemonic(text);
            if (letter.isNull())
                continue;
            const auto [clash, added] = taken.emplace(letter, text);
            EXPECT_TRUE(added) << "Alt+" << QString(letter).toStdString() << ": \""
                               << text.toStdString() << "\" and \"" << clash->second.toStdString()
                               << "\" on " << tabs()->tabText(tab).toStdString();
        }
    }
}

// The controls of every page, none lying over another, and each page scrolling or not.
void expectPagesLaidOut(QTabWidget& tabs, const QWidget& window, bool scrolling) {
    for (int tab = 0; tab < tabs.count(); ++tab) {
        tabs.setCurrentIndex(tab);
        QCoreApplication::processEvents();
        const auto* scrollArea = tabs.widget(tab)->findChild<QScrollArea*>();
        ASSERT_NE(scrollArea, nullptr);
        EXPECT_EQ(scrollArea->verticalScrollBar()->maximum() > 0, scrolling)
            << "tab " << tab << " at " << window.width() << "x" << window.height();
        QList<const QWidget*> shownWidgets;
        for (const QWidget* widget : scrollArea->widget()->findChildren<QWidget*>())
            if (widget->isVisible() && !widget->parentWidget()->inherits("QAbstractScrollArea") &&
                !widget->parentWidget()->inherits("QComboBox"))
                shownWidgets.append(widget);
        for (const QWidget* a : shownWidgets)
            for (const QWidget* b : shownWidgets) {
                if (a >= b || a->isAncestorOf(b) || b->isAncestorOf(a))
                    continue;
                EXPECT_FALSE(QRect(a->mapTo(&window, QPoint()), a->size())
                                 .intersects(QRect(b->mapTo(&window, QPoint()), b->size())))
                    << a->objectName().toStdString() << " over " << b->objectName().toStdString()
                    << " at " << window.width() << "x" << window.height();
            }
    }
    tabs.setCurrentIndex(0);
}

TEST_F(SettingsWindow, FitsTheScreenWithItsPagesScrollingAndNothingOverlapping) {
    const QRect available = window->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(window->frameGeometry()))
        << window->frameGeometry().width() << "x" << window->frameGeometry().height() << " in "
        << available.width() << "x" << available.height();
    expectPagesLaidOut(*tabs(), *window, true);
    // At the size it asks for, as on a screen with room, every page fits without scrolling.
    const QSize fitted = window->size();
    window->resize(window->sizeHint());
    expectPagesLaidOut(*tabs(), *window, false);
    window->resize(fitted);
}

TEST_F(SettingsWindow, TextIsShownAtContrastForReadingAndTheUpdateCheckIsLeftOut) {
    // Controls greyed while they do nothing are exempt; text that only informs is not.
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        if (!widget->isVisibleTo(window) || (!label && !button) || (button && !button->isEnabled()))
            continue;
        const QPalette::ColorGroup group =
            widget->isEnabled() ? QPalette::Active : QPalette::Disabled;
        const QPalette& colours = widget->palette();
        EXPECT_GE(contrast(colours.color(group, widget->foregroundRole()),
                           colours.color(group, widget->backgroundRole())),
                  4.5)
            << widget->objectName().toStdString();
    }
    EXPECT_FALSE(control<QWidget>(Outlet::checkForUpdatesSwitch)->isVisibleTo(window));
    EXPECT_EQ(control<QLabel>(Outlet::versionString)->text(), "Version " + kPaneVersion);
}

TEST_F(SettingsWindow, AStoredCountNoItemStandsForIsShown) {
    EXPECT_EQ(control<QComboBox>(Outlet::WarnCapsLimitPopup)->currentText(), "50");
    EXPECT_EQ(control<QComboBox>(Outlet::WarnCountPopup)->currentText(), "5");
}

TEST_F(SettingsWindow, ARefusedWordLeavesNoRowAndItsMessageHasALineOfItsOwn) {
    tabs()->setCurrentWidget(window->findChild<QWidget*>("exclusionsTabViewItem"));
    auto* table = window->findChild<QTableView*>("excludeWordsTable");
    auto* add = window->findChild<QAbstractButton*>("excludeWordsAddButton");
    const auto* error = window->findChild<QLabel*>("excludeWordsErrorMsg");
    add->click();
    auto* editor = qobject_cast<QLineEdit*>(table->indexWidget(table->model()->index(0, 0)));
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "LASERS");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(table->model()->rowCount(), 0);
    EXPECT_TRUE(error->isVisible());
    EXPECT_TRUE(error->text().startsWith("“LASERS” is longer than the 5 capitals in a row"));
    EXPECT_GE(error->mapTo(window, QPoint()).y(), add->mapTo(window, QPoint(0, add->height())).y());
    EXPECT_FALSE(RVPrefs(kApplicationIdentifier).find(SettingsKeys::excludeWordsArray));
    tabs()->setCurrentIndex(0);
}

TEST_F(SettingsWindow, WithoutAMailProgramTheMailIsOfferedOnTheClipboard) {
    tabs()->setCurrentWidget(window->findChild<QWidget*>("generalTabViewItem"));
    EXPECT_FALSE(control<QWidget>(Outlet::supportMailOffer)->isVisible());
    control<QAbstractButton>(Outlet::emailTheAuthorButton)->click();
    EXPECT_TRUE(control<QWidget>(Outlet::supportMailOffer)->isVisible());
    EXPECT_TRUE(control<QLabel>(Outlet::supportMailOfferMsg)
                    ->text()
                    .contains("no program is set to open mailto links"));
    control<QAbstractButton>(Outlet::copySupportMailButton)->click();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("To: support@keyvigil.org\n"));
    tabs()->setCurrentIndex(0);
}

TEST_F(SettingsWindow, EscapeClosesOnlyWhatIsOpenThenTheWindowAsCtrlWDoes) {
    // An open pop-up, and a word being typed, take Escape first.
    auto* popup = control<QComboBox>(Outlet::WarnCountPopup);
    popup->showPopup();
    QTest::keyClick(popup->view(), Qt::Key_Escape);
    EXPECT_TRUE(shown());
    tabs()->setCurrentWidget(window->findChild<QWidget*>("exclusionsTabViewItem"));
    auto* table = window->findChild<QTableView*>("excludeWordsTable");
    window->findChild<QAbstractButton*>("excludeWordsAddButton")->click();
    QWidget* editor = table->indexWidget(table->model()->index(0, 0));
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_TRUE(shown());

    QTest::keyClick(table, Qt::Key_Escape);
    EXPECT_FALSE(shown());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(shown());
}

} // namespace
