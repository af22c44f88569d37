#include "ui/App.h"

#include "ui/MessageBoxes.h"
#include "ui/frmOndulix.h"

#include <QApplication>
#include <QStyleFactory>

namespace ondulix {

int RunOndulix(int argc, char** argv, const std::function<void(frmOndulix&)>& started) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ondulix"));
    // One look on every desktop, so the designed layout holds everywhere.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QtMessageBoxes messages;
    frmOndulix window(frmOndulix::Environment{&messages, {}});
    window.show();
    if (started) started(window);
    return QApplication::exec();
}

} // namespace ondulix
