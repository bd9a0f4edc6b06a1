#pragma once

#include "ByteWriteSeries.h"
#include "TableFile.h"

#include <QObject>
#include <QString>

// The table write: the halt frame, then every item of a checked table with
// an acknowledged byte write (three attempts of one DELAY each), the listing
// growing by a line an item, then the start frame. An unacknowledged byte
// ends it with "Load ERROR !!" and the controller left halted.
class TableWrite : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Done, NotAcknowledged };

    static constexpr const char* Question = "Write TAB OK ?";
    static constexpr const char* QuestionTitle = "norvette-c MAP";
    static constexpr const char* NotAcknowledgedText = "Load ERROR !!";
    static constexpr const char* MessageTitle = "norvette-c Obel";
    static constexpr const char* PanelCaption = "Save TAB";

    explicit TableWrite(Link& link, QObject* parent = nullptr);

    // Halts the controller and starts writing; false (nothing sent) while
    // another exchange of the link runs or its line is held.
    bool start(const TableFile& table);
    bool running() const { return series_.running(); }
    // The table of the last start.
    const TableFile& table() const { return table_; }

    // Text9: line 1 of the table, then a line " k - item" for each item sent.
    const QString& listing() const { return listing_; }
    // PB2: -1 once halted, k x 100 / 255 for item k, 0 when done.
    int percent() const { return percent_; }
    Outcome outcome() const { return outcome_; }
    // The address of the byte that went unacknowledged.
    quint16 failedAddress() const;

signals:
    // The halt frame is out; the items follow.
    void started();
    void listingChanged();
    void progress(int percent);
    // All items written, just before the start frame.
    void beep();
    void finished(TableWrite::Outcome outcome);

private:
    void halted();
    void writing(int k);
    void written(ByteWriteSeries::Outcome outcome);
    void setPercent(int percent);

    ByteWriteSeries series_;
    TableFile table_;
    QString listing_;
    int percent_ = 0;
    Outcome outcome_ = Outcome::Done;
};
