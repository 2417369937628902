#include "pages/launcher_presenter.h"
#include "platform/shell.h"

namespace vnovla::pages {

void LauncherPresenter::ApplyColours()
{
    shownColours_ = options::appliedColours(store_, shownColours_);
    view_.applyColours(shownColours_);
}

void LauncherPresenter::MnuReadme_Click()
{
    // A missing guide is the desktop's to report, as for any item opened through the shell.
    const auto readme = utilities::readmePath(helpFolders_);
    services_.shell.open(readme.string(), readme.parent_path().string());
}

void LauncherPresenter::MnuVer_Click()
{
    openOptions(options::OptionsTab::Version);
}

} // namespace vnovla::pages
