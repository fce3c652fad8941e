#pragma once
// The wizard on a design of the test's own, run modally through the
// scripted services as the pagelet runs it. Drivers work its pages and
// dialogs the way a user does: keys and clicks that move the focus.

#include "model/glintraappletparams.h"
#include "model/pageletconfigfile.h"
#include "platform/registry/profile.h"
#include "platform/ui/scripteduiservices.h"
#include "resources/pagelet/pageletresources.h"
#include "common/browserlist.h"
#include "wizard/backgroundpage.h"
#include "wizard/bannerlistmodel.h"
#include "wizard/configwizard.h"
#include "wizard/generalpage.h"
#include "wizard/glintraprpsheet.h"
#include "wizard/textpage.h"
#include "tests/support/testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

// The server's resources, registered once for the test program.
inline HMODULE32 WizardResources()
{
    static const HMODULE32 module = RegisterPageletResources();
    return module;
}

template <class T>
T* Ctl(QWidget& owner, int id)
{
    T* control = CScriptedUiServices::Control<T>(owner, id);
    EXPECT_NE(control, nullptr) << "control " << id << " of " << owner.objectName().toStdString();
    return control;
}

// A click as the mouse makes it: the button takes the focus first, so an
// edit that had it hears that it lost it.
inline void UserClick(QAbstractButton* button)
{
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    if (button->focusPolicy() & Qt::ClickFocus)
        button->setFocus(Qt::MouseFocusReason);
    button->click();
}

inline void UserClick(QWidget& owner, int id)
{
    UserClick(Ctl<QAbstractButton>(owner, id));
}

// Chooses an entry of a drop-down list as the user does.
inline void Choose(QComboBox* combo, int entry)
{
    ASSERT_NE(combo, nullptr);
    combo->setFocus(Qt::MouseFocusReason);
    combo->setCurrentIndex(entry);
    emit combo->activated(entry);
}

// Types into an edit that the user clicked into first.
inline void TypeInto(QLineEdit* edit, const QString& text)
{
    ASSERT_NE(edit, nullptr);
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

inline void SaveShot(QWidget& widget, const char* name)
{
    if (const char* folder = std::getenv("GLINTRA_SCREENSHOTS"))
        widget.grab().save(QString::fromLocal8Bit(folder) + "/" + name + ".png");
}

class WizardFixture : public ::testing::Test {
protected:
    using Driver = std::function<void(CGlintraPrpSheet&)>;

    // Config's run of the wizard on `design`; the driver works the sheet.
    BOOL Run(Driver driver)
    {
        ui.QueueDialog([driver](QDialog& dialog) {
            auto& sheet = static_cast<CGlintraPrpSheet&>(dialog);
            sheet.activateWindow();
            QApplication::processEvents();
            driver(sheet);
        });
        return RunConfigWizard({&design, WizardResources(), nullptr, server.Path(), nullptr, &config, &settings});
    }

    static CGeneralPage& General(CGlintraPrpSheet& sheet) { return sheet.GeneralPage(); }
    static CBackgroundPage& Background(CGlintraPrpSheet& sheet) { return sheet.BackgroundPage(); }
    static CTextPage& Text(CGlintraPrpSheet& sheet) { return sheet.TextPage(); }

    static void Next(CGlintraPrpSheet& sheet) { UserClick(sheet, CGlintraPrpSheet::ID_WIZNEXT); }
    static void Back(CGlintraPrpSheet& sheet) { UserClick(sheet, CGlintraPrpSheet::ID_WIZBACK); }
    static void Finish(CGlintraPrpSheet& sheet) { UserClick(sheet, CGlintraPrpSheet::ID_WIZFINISH); }
    static void Cancel(CGlintraPrpSheet& sheet) { UserClick(sheet, CGlintraPrpSheet::IDCANCEL); }

    static QListView* List(CBannerListPage& page) { return page.BannerList(); }
    static CBannerListModel& Lines(CBannerListPage& page) { return *page.BannerLines(); }
    static void SelectLine(CBannerListPage& page, int row)
    {
        QListView* list = page.BannerList();
        list->setFocus(Qt::MouseFocusReason);
        list->selectionModel()->setCurrentIndex(list->model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
    }
    static std::vector<std::string> Titles(CBannerListPage& page)
    {
        std::vector<std::string> titles;
        for (int i = 0; i < page.BannerLines()->rowCount(); ++i)
            titles.push_back(page.BannerLines()->Line(i).title.toStdString());
        return titles;
    }
    static std::vector<std::string> DesignTitles(const CGlintraAppletParams& design, bool texts)
    {
        std::vector<std::string> titles;
        for (int i = 0; i < design.m_nTotalPages; ++i)
            titles.push_back(texts ? design.m_aTexts[size_t(i)]->m_TextTitle
                                   : design.m_aBackgrounds[size_t(i)]->m_BKTitle);
        return titles;
    }
    // A design whose banners carry these titles (both records).
    static CGlintraAppletParams Titled(std::initializer_list<const char*> titles)
    {
        CGlintraAppletParams made;
        made.SetBannerCount(int(titles.size()));
        int i = 0;
        for (const char* title : titles)
            made.SetBannerTitle(i++, title);
        return made;
    }

    CScriptedUiServices ui;
    CScopedUiServices installUi{&ui};
    CGlintraAppletParams design;
    CTempDir server;  // the server folder: its tmp folder is the wizard's
    CPageletConfigFile config;
    CTempRegistry registry;
    CProfile settings{"Norvane", "Pallima Glintra"};
};
