// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "FenrowExport.h"

#include <QWidget>

class Panel;
class PropertyBag;
class QLabel;

// A progress bar: a filled bar Value/Max of the control's width inside a 3D
// frame, and the percentage drawn twice, on the background and on the bar,
// so that it reads the same wherever the bar's end passes under it. Lengths
// are in twips, 15 to a pixel.
class FENROW_EXPORT PB : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("ClassName", "ProgressBarControl.PB")
    Q_CLASSINFO("CaptionProperty", "Value")
    Q_PROPERTY(uchar FrameStyle READ FrameStyle WRITE setFrameStyle NOTIFY propertyChanged)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor NOTIFY propertyChanged)
    Q_PROPERTY(float Max READ Max WRITE setMax NOTIFY propertyChanged)
    Q_PROPERTY(bool CFC READ CFC WRITE setCFC NOTIFY propertyChanged)
    Q_PROPERTY(bool DFC READ DFC WRITE setDFC NOTIFY propertyChanged)
    Q_PROPERTY(
        quint32 ProgressColor READ ProgressColor WRITE setProgressColor NOTIFY propertyChanged)
    Q_PROPERTY(float Value READ Value WRITE setValue NOTIFY propertyChanged)
public:
    static constexpr double TwipsPerPixel = 15;

    explicit PB(QWidget* parent = nullptr);

    uchar FrameStyle() const { return frameStyle_; }
    void setFrameStyle(uchar style);
    quint32 BackColor() const { return backColor_; }
    void setBackColor(quint32 colour);
    float Max() const { return max_; }
    void setMax(float max);
    bool CFC() const { return cfc_; }
    void setCFC(bool on);
    bool DFC() const { return dfc_; }
    void setDFC(bool on);
    quint32 ProgressColor() const;
    void setProgressColor(quint32 colour);
    float Value() const { return value_; }
    void setValue(float value);

    Q_INVOKABLE void Draws();
    Q_INVOKABLE void DrawFrame();
    Q_INVOKABLE void ShwPt(bool visible);

    void readProperties(const PropertyBag& bag);
    void writeProperties(PropertyBag& bag) const;

    // What is on screen, for containers and tests.
    int percent() const { return percent_; }
    double barWidth() const { return barWidth_; } // twips
    Panel* bar() const { return bar_; }
    QLabel* text() const { return text_; }

signals:
    void propertyChanged(const QString& name);
    void Progress(uchar Per);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void relayout();
    // Stores a property that only changes the layout, and reports it.
    template <class T> void change(T& field, T value, const char* name) {
        field = value;
        emit propertyChanged(QString::fromLatin1(name));
        relayout();
    }
    void showZero();
    void alignTexts();
    double innerWidth() const { return width() * TwipsPerPixel; }
    double innerHeight() const { return height() * TwipsPerPixel; }
    double inset() const { return frameStyle_ == 3 ? 20 : 10; }

    Panel* bar_;
    QLabel* text_;
    bool drawsQueued_ = false; // a paint asked for Draws, which is yet to run
    uchar frameStyle_ = 1;
    quint32 backColor_ = 0x8000000F;
    float max_ = 100;
    bool cfc_ = false;
    bool dfc_ = false;
    float value_ = 0;
    int percent_ = 0;
    double barWidth_ = 0;
    bool textShown_ = true;
};
