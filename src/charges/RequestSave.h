#pragma once

#include "ChargeLine.h"
#include "StockPosting.h"

#include <QHash>
#include <optional>

class AppContext;
class QWidget;

// Everything a request save needs from its form.
struct RequestDraft {
    QString patientType = QStringLiteral("I");
    QString hospNum;  // as shown
    QString idNum;    // the admission or visit number as shown
    QString patIdNum; // the number the form was opened with
    QString room;
    QString doctorId; // as typed in "Req. Doctor"
    QString doctor;   // the doctor's name as shown
    bool cashBasis = false;
    QString cashOrNum;
    bool nurseCommunication = false;
    QHash<int, QString> nurseRequestNums; // by grid row
    ChargeLines lines;                    // up to the first line without a code
};

// Saves the lines of a request in one transaction: one reference number for the
// charge, one request number per line, the request master, stock card, nurse station records
// and the patient's bill. A failure leaves nothing behind.
class RequestSave {
public:
    explicit RequestSave(AppContext& context);

    // The first line whose quantity or amount is not a number, as a message for the clerk.
    static QString invalidNumber(const ChargeLines& lines);

    // Sends the statements; db::Error escapes with the transaction rolled back. Returns the
    // reference number (empty for a paid cash transaction).
    QString save(const RequestDraft& draft);

    // Refuses lines whose numbers are not numbers, saves under the busy pointer and tells the
    // clerk how it went. The save buttons stay disabled while it runs, and after a success, so
    // that a second click cannot charge twice. The reference number, or none when nothing was
    // saved.
    std::optional<QString> saveAndTell(const RequestDraft& draft,
                                       const QList<QWidget*>& saveButtons);

private:
    struct Wording;
    struct Fixed;
    void saveLine(const RequestDraft& draft, const Fixed& fixed, const ChargeLine& line);
    QString takeNumber(const QString& read, const QString& column, const QString& advance);
    std::optional<QString> formType(const QString& code);
    void addRequest(const QString& procedure, const RequestDraft& draft, const Fixed& fixed,
                    const ChargeLine& line, const QString& requestNum, const QString& variant8,
                    const QString& variant10, bool withDeptId);
    void addNurseLogBook(const RequestDraft& draft, const Fixed& fixed, const ChargeLine& line,
                         const QString& requestNum);
    void closeNurseRecords(const RequestDraft& draft, const Fixed& fixed, const ChargeLine& line,
                           const QString& nurseRequestNum);
    void addBill(const RequestDraft& draft, const Fixed& fixed, const ChargeLine& line);

    AppContext& context_;
    StockPosting posting_;
    QString formType_;
};
