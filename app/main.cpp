#include "Form1.h"
#include "MapEditor.h"
#include "MessageBoxPrompter.h"
#include "ProgramFolder.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

QString findProgramFolder(QString* error) {
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    // An installed Obel keeps its shipped program folder under share/.
    const QStringList shipped{
        QDir::cleanPath(exeDir + QStringLiteral("/../share/obel/programdir"))};
    return ProgramFolder::locate(exeDir, dataDir, shipped, error);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Obel"));

    SingleInstance instance(SingleInstance::defaultLockPath());
    if (!instance.isFirst()) return 0;

    QString error;
    const QString root = findProgramFolder(&error);
    if (root.isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Obel"), error);
        return 1;
    }
    const ProgramFolder folder(root);
    MessageBoxPrompter prompter;
    MapEditor editor(folder, prompter);
    Form1 window(editor);
    prompter.setParent(&window);
    window.start();
    window.show();
    return app.exec();
}
