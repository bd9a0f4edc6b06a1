#include "MessageBoxPrompter.h"
#include "ProgramFolder.h"
#include "SingleInstance.h"
#include "Windows.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Obel"));

    SingleInstance instance(SingleInstance::defaultLockPath());
    if (!instance.isFirst()) return 0;

    QString error;
    const QString root = ProgramFolder::locateFor(QCoreApplication::applicationDirPath(), &error);
    if (root.isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Obel"), error);
        return 1;
    }
    const ProgramFolder folder(root);
    MessageBoxPrompter prompter;
    Windows windows(folder, prompter);
    prompter.setParent(&windows.mapWindow());
    windows.start();
    return app.exec();
}
