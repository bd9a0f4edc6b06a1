// SPDX-License-Identifier: LGPL-3.0-or-later
#include "PB.h"

#include <QPluginLoader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include <gtest/gtest.h>

// Qt Designer loads the plugin file and asks it for its widgets.
TEST(DesignerPlugin, OffersBothControls) {
    QPluginLoader loader(FENROW_DESIGNER_PLUGIN);
    QObject* plugin = loader.instance();
    ASSERT_NE(plugin, nullptr) << loader.errorString().toStdString();
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(plugin);
    ASSERT_NE(collection, nullptr);
    QStringList names;
    for (QDesignerCustomWidgetInterface* widget : collection->customWidgets())
        names << widget->name();
    EXPECT_EQ(names, QStringList({"PB", "Panel"}));
    std::unique_ptr<QWidget> made(collection->customWidgets().first()->createWidget(nullptr));
    EXPECT_NE(qobject_cast<PB*>(made.get()), nullptr);
}
