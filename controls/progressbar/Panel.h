// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "FenrowExport.h"

#include <QWidget>

class PropertyBag;
class QLabel;

// A coloured rectangle with one text label, steered through small methods;
// PB uses it as its filled part. Positions and sizes are in twips.
class FENROW_EXPORT Panel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor NOTIFY propertyChanged)
public:
    static constexpr double TwipsPerPixel = 15;
    static constexpr quint32 DefaultBackColor = 0x8000000F;

    explicit Panel(QWidget* parent = nullptr);

    quint32 BackColor() const { return backColor_; }
    void setBackColor(quint32 colour);

    Q_INVOKABLE void SetLL(float left);
    Q_INVOKABLE void SetLT(float top);
    Q_INVOKABLE void SetLC(const QString& caption);
    Q_INVOKABLE void SetLFC(quint32 colour);
    // The label's width (true) or height (false) for its current caption.
    Q_INVOKABLE float GetL(bool width) const;
    Q_INVOKABLE void SetP(bool visible);

    void readProperties(const PropertyBag& bag);
    void writeProperties(PropertyBag& bag) const;

    QLabel* label() const { return label_; }

signals:
    void propertyChanged(const QString& name);
    // The pointer moved over the panel.
    void MouseMoved();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void applyColours();

    QLabel* label_;
    quint32 backColor_ = DefaultBackColor;
    quint32 labelColour_ = 0x80000012;
};
