#include "ui/App.h"

#include "ui/MessageBoxes.h"
#include "ui/frmOndulix.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>

namespace ondulix {

namespace {

// Fusion, less the menu bar's overflow arrow: the one menu always fits, and
// that icon is read through the image plugins, all of which would be loaded
// at start-up for it.
class OndulixStyle final : public QProxyStyle {
public:
    OndulixStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (icon == SP_ToolBarHorizontalExtensionButton) return QIcon();
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

int RunOndulix(int argc, char** argv, const std::function<void(frmOndulix&)>& started) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ondulix"));
    // One look on every desktop, so the designed layout holds everywhere.
    QApplication::setStyle(new OndulixStyle);

    QtMessageBoxes messages;
    frmOndulix window(frmOndulix::Environment{&messages, {}, {}});
    window.show();
    if (started) started(window);
    return QApplication::exec();
}

} // namespace ondulix
