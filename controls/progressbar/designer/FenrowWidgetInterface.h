// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

// One control of the library as Qt Designer sees it; the widget itself comes
// from the library's factory, as in every other container.
class FenrowWidgetInterface : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    FenrowWidgetInterface(QString name, QString toolTip, QObject* parent = nullptr);

    QString name() const override { return name_; }
    QString group() const override { return QStringLiteral("Fenrow"); }
    QString toolTip() const override { return toolTip_; }
    QString whatsThis() const override { return toolTip_; }
    QString includeFile() const override { return name_ + QStringLiteral(".h"); }
    QIcon icon() const override { return {}; }
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override;

private:
    QString name_;
    QString toolTip_;
};
