#pragma once

#include "pages/launcher_view.h"

#include <optional>
#include <string>
#include <vector>

namespace vnovla::test {

// Remembers what the launcher window was last told to show and counts what it was told to do.
class FakeLauncherView : public pages::LauncherView
{
public:
    void showPage(const pages::PageFace& face) override
    {
        lastFace = face;
        ++showPageCount;
    }
    void closePopup(pages::PopupControl control) override { closedPopups.push_back(control); }
    void focusPageScrollBar() override { ++focusCount; }
    void showPageRange(int highest, int page) override
    {
        highestPage = highest;
        currentPage = page;
    }
    void setStayOnTop(pages::StayOnTop value) override { stayOnTop = value; }
    void minimise() override { ++minimiseCount; }
    void showRaised() override { ++raiseCount; }
    void close() override { ++closeCount; }
    void openPageNumberBox(const std::string& text) override { pageNumberBoxTexts.push_back(text); }
    void openTitleList(const std::vector<std::string>& titles, int selectedRow) override
    {
        titleList = titles;
        titleListRow = selectedRow;
        ++titleListOpenCount;
    }
    void openTitleEditor(const std::string& text) override { titleEditorTexts.push_back(text); }
    void showTitle(const std::string& title) override { shownTitles.push_back(title); }
    void applyColours(const options::ColourSlots& colours) override
    {
        appliedColours.push_back(colours);
    }
    bool trayAvailable() const override { return hasTray; }
    void enterTray() override
    {
        windowHidden = true;
        ++trayIcons;
        trayCalls.push_back("enter");
    }
    void removeTrayIcon() override
    {
        trayIcons = 0;
        trayCalls.push_back("remove");
    }
    void restoreWindow() override
    {
        windowHidden = false;
        trayCalls.push_back("restore");
    }
    void bringToFront() override { trayCalls.push_back("front"); }
    void popUpTrayMenu() override { trayCalls.push_back("menu"); }

    std::optional<pages::PageFace> lastFace;
    int showPageCount = 0;
    std::vector<pages::PopupControl> closedPopups;
    int focusCount = 0;
    int highestPage = -1;
    int currentPage = -1;
    std::optional<pages::StayOnTop> stayOnTop;
    int minimiseCount = 0;
    int raiseCount = 0;
    int closeCount = 0;
    std::vector<std::string> pageNumberBoxTexts; // one per opening
    std::vector<std::string> titleList;
    int titleListRow = -1;
    int titleListOpenCount = 0;
    std::vector<std::string> titleEditorTexts; // one per opening
    std::vector<std::string> shownTitles;
    std::vector<options::ColourSlots> appliedColours;
    bool hasTray = true;
    bool windowHidden = false;
    int trayIcons = 0;                  // icons shown now
    std::vector<std::string> trayCalls; // enter, remove, restore, front, menu in order
};

} // namespace vnovla::test
