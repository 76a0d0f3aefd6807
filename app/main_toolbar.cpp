#include "app/main_toolbar.h"

#include "app/pictures.h"

#include <QAction>
#include <QPixmap>
#include <QToolButton>

namespace vh::app {
namespace {

constexpr int kButtonSize = 52;
constexpr QSize kPictureSize{32, 30};

} // namespace

MainToolBar::MainToolBar(QWidget* parent)
    : QToolBar(parent), normal_(toolbarPictures("Toolbar.bmp")),
      hot_(toolbarPictures("Toolbar Hot.bmp")), disabled_(toolbarPictures("Toolbar Disabled.bmp")) {
    setObjectName("mainToolBar");
    setMovable(false);
    setFloatable(false);
    setIconSize(kPictureSize);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void MainToolBar::addCommand(QAction* action, int pictureIndex, bool gapBefore) {
    if (gapBefore) {
        addSeparator();
    }
    const auto index = static_cast<std::size_t>(pictureIndex);
    QIcon icon;
    const std::array<std::pair<const QImage*, QIcon::Mode>, 3> looks{
        {{&normal_[index], QIcon::Normal},
         {&hot_[index], QIcon::Active},
         {&disabled_[index], QIcon::Disabled}}};
    for (const auto& [picture, mode] : looks) {
        if (!picture->isNull()) {
            icon.addPixmap(QPixmap::fromImage(*picture), mode);
        }
    }
    action->setIcon(icon);
    action->setIconVisibleInMenu(false);
    addAction(action);
    if (auto* button = qobject_cast<QToolButton*>(widgetForAction(action))) {
        button->setFixedSize(kButtonSize, kButtonSize);
        button->setObjectName(action->objectName() + "Button");
    }
}

} // namespace vh::app
