#include "HospitalCreator.h"
#include "clsDrug.h"
#include "clsListDrugs.h"
#include "clsPatient.h"
#include "clsPatientSearch.h"
#include "clscodesearch.h"
#include "db/Connection.h"
#include "db/Sql.h"
#include "ui/Dialogs.h"

#include <QLineEdit>
#include <QTableView>
#include <QtTest>

using db::Sql;

// The in-house components against the demo hospital: what they find, what they hand back, and
// what they leave behind when they find nothing.
class TestComponents : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void connectingToAMissingHospitalFails();
    void componentsRefuseAMissingConnection();

    void loadPatient_data();
    void loadPatient();
    void ageCountsWholeYears_data();
    void ageCountsWholeYears();

    void openAdmission_data();
    void openAdmission();
    void refreshEmptiesTheAdmission();

    void searchListing_data();
    void searchListing();
    void recordsCarryTheEntry_data();
    void recordsCarryTheEntry();
    void unknownKindIsCancelled_data();
    void unknownKindIsCancelled();
    void itemsOfAnotherSection();
    void withoutSearchModeNoListOpens();

    void showList_data();
    void showList();
    void searchDrug_data();
    void searchDrug();
    void appendStockCard_data();
    void appendStockCard();
    void stockCardJoinsTheCallersTransaction();

private:
    QString scalar(const QString& statement) const;
    int count(const QString& statement) const;
    QString sharedFirstWord(const QString& statement) const;
    double onHand(const QString& location, const QString& item) const;

    QTemporaryDir dir_;
    QString connectionString_;
    std::unique_ptr<db::Connection> connection_;
};

namespace {

enum class Listing { Absent, Picked, Cancelled };

QString resultCode(const clscodesearch& search, int kind)
{
    switch (kind) {
    case clscodesearch::AddressListing:
        return search.AddressRecord().ResultCode();
    case clscodesearch::DoctorListing:
        return search.DoctorRecord().ResultCode();
    case clscodesearch::CivilStatusListing:
        return search.CivilStatusRecord().ResultCode();
    default:
        return search.OtherRevenueRecord().ResultCode();
    }
}

QStringList recordFields(const clscodesearch& search, int kind)
{
    const auto& item = search.OtherRevenueRecord();
    switch (kind) {
    case clscodesearch::AddressListing:
        return {search.AddressRecord().Town(), search.AddressRecord().Province()};
    case clscodesearch::DoctorListing:
        return {search.DoctorRecord().LastName(), search.DoctorRecord().FirstName(),
                search.DoctorRecord().MiddleName()};
    case clscodesearch::CivilStatusListing:
        return {search.CivilStatusRecord().CivilStatus()};
    default:
        return {item.Otherrevenue(),
                item.FormType(),
                Sql::plainNumber(item.RateA()),
                Sql::plainNumber(item.RateB()),
                Sql::plainNumber(item.RateC()),
                Sql::plainNumber(item.RateD()),
                Sql::plainNumber(item.RateE()),
                item.OLExam()};
    }
}

struct KindTable {
    int kind;
    QString name;
    QString table;
    QString code;
    QString description;
};

const QList<KindTable> kinds = {
    {clscodesearch::AddressListing, "address", "Build_File..tbCoZipCode", "ZipCode", "Town"},
    {clscodesearch::DoctorListing, "doctor", "Build_File..tbCoDoctor where Active = 'Y'",
     "DoctorID", "LastName"},
    {clscodesearch::CivilStatusListing, "civil status", "Build_File..tbCoCivilStatus",
     "CivilStatusID", "CivilStatus"},
    {clscodesearch::ItemListing, "item",
     "Build_File..tbcoOtherRevenue where OtherSectionID = 'LR' and Active = 'Y'", "OtherRevenueID",
     "OtherRevenue"},
};

void showAndWait(QDialog& dialog)
{
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

// Down into the grid, Down once more, Enter: the second entry listed.
int pickSecond(QDialog& dialog)
{
    showAndWait(dialog);
    QTest::keyClick(dialog.findChild<QLineEdit*>("txtFilter"), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    return dialog.result();
}

int visibleRows(QDialog& dialog)
{
    const auto* grid = dialog.findChild<QTableView*>("grdListing");
    int shown = 0;
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        shown += grid->isRowHidden(row) ? 0 : 1;
    return shown;
}

} // namespace

void TestComponents::initTestCase()
{
    QVERIFY(dir_.isValid());
    hospitaldb::HospitalCreator::create(dir_.filePath("hospital"), hospitaldb::DemoSize::Demo,
                                        false);
    connectionString_ = db::Connection::embeddedConnectionString(dir_.filePath("hospital"));
    connection_ = db::Connection::connect(connectionString_);
}

QString TestComponents::scalar(const QString& statement) const
{
    db::RowSet rows = connection_->open(statement);
    return rows.eof() ? QString() : rows.field(0).toString();
}

int TestComponents::count(const QString& statement) const
{
    return scalar("Select count(*) as N from " + statement).toInt();
}

// The first word that begins two or more of the listed texts.
QString TestComponents::sharedFirstWord(const QString& statement) const
{
    QHash<QString, int> seen;
    for (db::RowSet rows = connection_->open(statement); !rows.eof(); rows.moveNext()) {
        const QString word = rows.field(0).toString().section(' ', 0, 0);
        if (++seen[word] == 2)
            return word;
    }
    return {};
}

double TestComponents::onHand(const QString& location, const QString& item) const
{
    return scalar("Select OnHand from Build_File..tbInvent where LocationID = " +
                  Sql::quote(location) + " and ItemID = " + Sql::quote(item))
        .toDouble();
}

void TestComponents::connectingToAMissingHospitalFails()
{
    const QString missing = db::Connection::embeddedConnectionString(dir_.filePath("nowhere"));
    clsPatient patient;
    QVERIFY(!patient.OpenConnection(missing));
    clsPatientSearch search;
    QString server = "SIVMC-MTS01";
    QVERIFY(!search.InitConnection(missing, server));
    QCOMPARE(server, QString("SIVMC-MTS01"));
    QVERIFY(search.InitConnection(connectionString_, server));
}

void TestComponents::componentsRefuseAMissingConnection()
{
    ScriptedDialogs dialogs;
    QVERIFY(!clsListDrugs(dialogs).InitConnection(nullptr));
    QVERIFY(!clsDrug().InitConnect(nullptr));
    QVERIFY(clsListDrugs(dialogs).InitConnection(connection_.get()));
    QVERIFY(clsDrug().InitConnect(connection_.get()));
}

void TestComponents::loadPatient_data()
{
    QTest::addColumn<QString>("hospitalNumber");
    QTest::addColumn<bool>("found");

    const QString withTown =
        scalar("Select top 1 m.HospNum from Patient_Data..tbMaster m inner join "
               "Build_File..tbCoZipCode z on z.ZipCode = m.ZipCode "
               "where m.BirthDate is not null and m.HouseStreet is not null order by m.HospNum");
    QTest::newRow("registered, with a known zip code") << withTown << true;
    QTest::newRow("typed with blanks around") << "  " + withTown + " " << true;
    QTest::newRow("name with an apostrophe")
        << scalar("Select top 1 HospNum from Patient_Data..tbMaster where LastName like '%''%'")
        << true;
    QTest::newRow("walk-in cash patient is not registered")
        << scalar("Select top 1 HospNum from Patient_Data..tbCashPatient") << false;
    QTest::newRow("unknown") << "NO-SUCH-NUMBER" << false;
    QTest::newRow("apostrophe in the number") << "001'00089" << false;
}

void TestComponents::loadPatient()
{
    QFETCH(QString, hospitalNumber);
    QFETCH(bool, found);
    clsPatient component;
    QVERIFY(component.OpenConnection(connectionString_));
    clsPatientInfo& master = component.clsPatientMaster();
    QVERIFY(master.LoadPatient(scalar("Select top 1 HospNum from Patient_Data..tbMaster")));

    QCOMPARE(master.LoadPatient(hospitalNumber), found);

    db::RowSet row = connection_->open("Select * from Patient_Data..tbMaster where HospNum = " +
                                       Sql::quote(hospitalNumber.trimmed()));
    const auto field = [&](const char* name) {
        return found ? row.field(name).toString() : QString();
    };
    QCOMPARE(master.LastName(), field("LastName"));
    QCOMPARE(master.FirstName(), field("FirstName"));
    QCOMPARE(master.MiddleName(), field("MiddleName"));
    QCOMPARE(master.Sex(), field("Sex"));
    QCOMPARE(master.BirthDate(), found ? row.field("BirthDate").toDateTime().date() : QDate());
    QCOMPARE(master.Age().isEmpty(), !found);
    QCOMPARE(master.Address().HouseStreet(), field("HouseStreet"));
    QCOMPARE(master.Address().Barangay(), field("Barangay"));
    QCOMPARE(master.Address().ZipCode(), field("ZipCode"));
    const QString zip = Sql::quote(master.Address().ZipCode());
    QCOMPARE(master.Address().Town(),
             scalar("Select Town from Build_File..tbCoZipCode where ZipCode = " + zip));
    QCOMPARE(master.Address().Province(),
             scalar("Select Province from Build_File..tbCoZipCode where ZipCode = " + zip));
}

void TestComponents::ageCountsWholeYears_data()
{
    QTest::addColumn<QString>("hospitalNumber");
    QTest::addColumn<QDate>("birthDate");
    QTest::addColumn<QString>("age");

    const QDate today = QDate::currentDate();
    QTest::newRow("fortieth birthday today") << "T-AGE-1" << today.addYears(-40) << "40";
    QTest::newRow("fortieth birthday tomorrow")
        << "T-AGE-2" << today.addYears(-40).addDays(1) << "39";
    QTest::newRow("born today") << "T-AGE-3" << today << "0";
    QTest::newRow("birth date not recorded") << "T-AGE-4" << QDate() << "";
}

void TestComponents::ageCountsWholeYears()
{
    QFETCH(QString, hospitalNumber);
    QFETCH(QDate, birthDate);
    QFETCH(QString, age);
    const QString stored = birthDate.isValid()
                               ? Sql::quote(Sql::storedDateTime(birthDate.startOfDay()))
                               : QString("NULL");
    connection_->execute(
        "Insert into Patient_Data..tbMaster (HospNum, LastName, BirthDate) values (" +
        Sql::quote(hospitalNumber) + ", 'AGE TEST', " + stored + ")");
    clsPatient component;
    QVERIFY(component.OpenConnection(connectionString_));
    QVERIFY(component.clsPatientMaster().LoadPatient(hospitalNumber));
    QCOMPARE(component.clsPatientMaster().Age(), age);
}

void TestComponents::openAdmission_data()
{
    QTest::addColumn<QString>("admissionNumber");
    QTest::addColumn<bool>("found");

    QTest::newRow("company account, billed")
        << scalar("Select top 1 p.IdNum from Patient_Data..tbPatient p inner join "
                  "Build_File..tbCoCompany c on c.AccountNum = p.AccountNum "
                  "where p.BillingDate is not null")
        << true;
    QTest::newRow("personal account, still admitted")
        << scalar("Select top 1 IdNum from Patient_Data..tbPatient "
                  "where AccountNum = HospNum and DcrDate is null")
        << true;
    QTest::newRow("patient with an apostrophe")
        << scalar("Select top 1 p.IdNum from Patient_Data..tbPatient p inner join "
                  "Patient_Data..tbMaster m on m.HospNum = p.HospNum where m.LastName like '%''%'")
        << true;
    QTest::newRow("out-patient visit is no admission")
        << scalar("Select top 1 IdNum from Patient_Data..tbOutpatient") << false;
    QTest::newRow("unknown") << "999999999" << false;
    QTest::newRow("apostrophe in the number") << "40'0001" << false;
}

void TestComponents::openAdmission()
{
    QFETCH(QString, admissionNumber);
    QFETCH(bool, found);
    QVERIFY(!admissionNumber.isEmpty());
    clsPatientSearch search;
    QString server;
    QVERIFY(search.InitConnection(connectionString_, server));
    clsAdmission& admission = search.Admission();
    QVERIFY(admission.OpenAdmission(scalar("Select top 1 IdNum from Patient_Data..tbPatient")));

    QCOMPARE(admission.OpenAdmission(admissionNumber), found);
    admission.Refresh();
    QCOMPARE(search.ValidateAdmission(admissionNumber), found);

    db::RowSet row = connection_->open("Select * from Patient_Data..tbPatient where IdNum = " +
                                       Sql::quote(admissionNumber));
    const auto field = [&](const char* name) {
        return found ? row.field(name).toString() : QString();
    };
    const auto moment = [&](const char* name) {
        return found ? row.field(name).toDateTime() : QDateTime();
    };
    QCOMPARE(admission.HospitalNumber(), field("HospNum"));
    QCOMPARE(admission.Idnumber(), field("IdNum"));
    QCOMPARE(admission.AdmissionDate(), moment("AdmDate"));
    QCOMPARE(admission.DischargeDate(), moment("DcrDate"));
    QCOMPARE(admission.BillingDate(), moment("BillingDate"));
    QCOMPARE(admission.Age(), field("Age"));
    QCOMPARE(admission.Room().RoomID(), field("RoomID"));
    QCOMPARE(admission.Room().text(), field("RoomID"));
    QCOMPARE(admission.Room().RoomClassID(),
             scalar("Select RoomClassID from Build_File..tbCoroom where RoomID = " +
                    Sql::quote(field("RoomID"))));
    QCOMPARE(admission.Account().AccountNumber(), field("AccountNum"));
    QCOMPARE(admission.Account().text(), field("AccountNum"));
    QCOMPARE(admission.Account().Company(),
             scalar("Select Company from Build_File..tbCoCompany where AccountNum = " +
                    Sql::quote(field("AccountNum"))));
    QCOMPARE(admission.AttendingDoctor1().Code(), field("AttendingDr1"));
    const QString doctor = Sql::quote(field("AttendingDr1"));
    QCOMPARE(
        admission.AttendingDoctor1().CompleteName(),
        found
            ? scalar("Select LastName from Build_File..tbCoDoctor where DoctorID = " + doctor) +
                  ", " +
                  scalar("Select FirstName from Build_File..tbCoDoctor where DoctorID = " +
                         doctor) +
                  " " +
                  scalar("Select MiddleName from Build_File..tbCoDoctor where DoctorID = " + doctor)
            : QString());
    const QString number = Sql::quote(admissionNumber);
    QCOMPARE(admission.History().Weight(),
             scalar("Select Weight from Patient_Data..tbPatient2 where IdNum = " + number));
    QCOMPARE(admission.History().Height(),
             scalar("Select Height from Patient_Data..tbPatient2 where IdNum = " + number));
    const QString patient = Sql::quote(field("HospNum"));
    QCOMPARE(admission.Patient().LastName(),
             scalar("Select LastName from Patient_Data..tbMaster where HospNum = " + patient));
    QCOMPARE(
        admission.Patient().Address().Town(),
        scalar("Select z.Town from Patient_Data..tbMaster m inner join Build_File..tbCoZipCode z "
               "on z.ZipCode = m.ZipCode where m.HospNum = " +
               patient));
}

void TestComponents::refreshEmptiesTheAdmission()
{
    clsPatientSearch search;
    QString server;
    QVERIFY(search.InitConnection(connectionString_, server));
    clsAdmission& admission = search.Admission();
    QVERIFY(admission.OpenAdmission(scalar("Select top 1 IdNum from Patient_Data..tbPatient")));
    admission.Refresh();
    QVERIFY(admission.HospitalNumber().isEmpty());
    QVERIFY(admission.Idnumber().isEmpty());
    QVERIFY(!admission.AdmissionDate().isValid());
    QVERIFY(admission.Room().RoomClassID().isEmpty());
    QVERIFY(admission.Account().Company().isEmpty() && admission.Account().text().isEmpty());
    QVERIFY(admission.AttendingDoctor1().CompleteName().isEmpty());
    QVERIFY(admission.History().Weight().isEmpty());
    QVERIFY(admission.Patient().LastName().isEmpty());
    QVERIFY(admission.Patient().Address().Town().isEmpty());
    // Still connected after the refresh.
    QVERIFY(admission.OpenAdmission(scalar("Select top 1 IdNum from Patient_Data..tbPatient")));
}

void TestComponents::searchListing_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("listing");
    QTest::addColumn<int>("listed");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("code");

    const int absent = int(Listing::Absent);
    for (const KindTable& k : kinds) {
        const QString code =
            scalar("Select " + k.code + " from " + k.table + " order by " + k.code);
        const auto tag = [&](const char* what) { return (k.name + ": " + what).toUtf8(); };
        QTest::newRow(tag("code typed in lower case").constData())
            << k.kind << code.toLower() << absent << 0 << true << code;
        QTest::newRow(tag("empty text, picked from the list").constData())
            << k.kind << "" << int(Listing::Picked) << count(k.table) << true << "";
        QTest::newRow(tag("empty text, list cancelled").constData())
            << k.kind << "" << int(Listing::Cancelled) << count(k.table) << false << "";
        QTest::newRow(tag("nothing begins with the text").constData())
            << k.kind << "#NONE#" << absent << 0 << false << "";
    }
    const KindTable& items = kinds.last();
    const QString word = sharedFirstWord("Select OtherRevenue from " + items.table);
    QTest::newRow("item: several names begin with the text")
        << items.kind << word.toLower() << int(Listing::Picked)
        << count(items.table + " and OtherRevenue like " + Sql::quote(word + "%")) << true << "";
    const QString onlyOne =
        scalar("Select OtherRevenue from " + items.table + " order by OtherRevenue");
    QTest::newRow("item: one name begins with the text")
        << items.kind << onlyOne << absent << 0 << true
        << scalar("Select OtherRevenueID from " + items.table +
                  " and OtherRevenue = " + Sql::quote(onlyOne));
}

void TestComponents::searchListing()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(int, listing);
    QFETCH(int, listed);
    QFETCH(bool, result);
    QFETCH(QString, code);
    ScriptedDialogs dialogs;
    clscodesearch search(dialogs);
    search.setConnection(connection_.get());
    QString primer = scalar("Select top 1 DoctorID from Build_File..tbCoDoctor");
    QVERIFY(search.SearchListing(primer, clscodesearch::DoctorListing));

    QString filterShown;
    int rowsShown = -1;
    QString picked;
    if (Listing(listing) != Listing::Absent)
        dialogs.onNext([&](QDialog& dialog) {
            filterShown = dialog.findChild<QLineEdit*>("txtFilter")->text();
            rowsShown = visibleRows(dialog);
            if (Listing(listing) == Listing::Cancelled)
                return int(QDialog::Rejected);
            const int answer = pickSecond(dialog);
            picked = static_cast<ListingDialog&>(dialog).chosenCode();
            return answer;
        });
    QString searchText = text;

    QCOMPARE(search.SearchListing(searchText, kind), result);

    QCOMPARE(dialogs.ran().size(), Listing(listing) == Listing::Absent ? 0 : 1);
    if (Listing(listing) != Listing::Absent) {
        QCOMPARE(filterShown, text);
        QCOMPARE(rowsShown, listed);
    }
    const QString expected = Listing(listing) == Listing::Picked ? picked : code;
    QVERIFY(!result || !expected.isEmpty());
    QCOMPARE(resultCode(search, kind), expected);
    QCOMPARE(searchText, result ? expected : text);
    QCOMPARE(search.Cancelled(), Listing(listing) == Listing::Cancelled);
    if (kind != clscodesearch::DoctorListing)
        QVERIFY(search.DoctorRecord().ResultCode().isEmpty());
}

void TestComponents::recordsCarryTheEntry_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("fields");

    const auto add = [&](int kind, const QString& statement) {
        db::RowSet row = connection_->open(statement);
        QStringList fields;
        for (int i = 1; i < row.fieldCount(); ++i)
            fields << row.field(i).toString();
        const auto named = std::find_if(kinds.begin(), kinds.end(),
                                        [&](const KindTable& k) { return k.kind == kind; });
        QTest::newRow(qPrintable(named->name)) << kind << row.field(0).toString() << fields;
    };
    add(clscodesearch::AddressListing,
        "Select top 1 ZipCode, Town, Province from Build_File..tbCoZipCode");
    add(clscodesearch::DoctorListing,
        "Select top 1 DoctorID, LastName, FirstName, MiddleName from Build_File..tbCoDoctor "
        "where Active = 'Y' and MiddleName is not null");
    add(clscodesearch::CivilStatusListing,
        "Select top 1 CivilStatusID, CivilStatus from Build_File..tbCoCivilStatus");
    add(clscodesearch::ItemListing,
        "Select top 1 OtherRevenueID, OtherRevenue, FormType, RateA, RateB, RateC, RateD, RateE, "
        "OLExam from Build_File..tbcoOtherRevenue where OtherSectionID = 'LR' and Active = 'Y' "
        "and FormType is not null and RateA <> RateB and RateB <> RateC and RateD <> RateE");
}

void TestComponents::recordsCarryTheEntry()
{
    QFETCH(int, kind);
    QFETCH(QString, code);
    QFETCH(QStringList, fields);
    ScriptedDialogs dialogs;
    clscodesearch search(dialogs);
    search.setConnection(connection_.get());
    QString text = code;
    QVERIFY(search.SearchListing(text, kind));
    QCOMPARE(recordFields(search, kind), fields);
}

void TestComponents::unknownKindIsCancelled_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("2") << 2;
    QTest::newRow("negative") << -1;
    QTest::newRow("99") << 99;
}

void TestComponents::unknownKindIsCancelled()
{
    QFETCH(int, kind);
    ScriptedDialogs dialogs;
    clscodesearch search(dialogs);
    search.setConnection(connection_.get());
    QString text = "1101";
    QVERIFY(!search.SearchListing(text, kind));
    QVERIFY(search.Cancelled());
    QVERIFY(dialogs.ran().isEmpty());
    QCOMPARE(text, QString("1101"));
}

void TestComponents::itemsOfAnotherSection()
{
    ScriptedDialogs dialogs;
    clscodesearch search(dialogs);
    search.setConnection(connection_.get());
    search.setOtherSectionID("HS");
    const QString exam = scalar("Select top 1 OtherRevenueID from Build_File..tbcoOtherRevenue "
                                "where OtherSectionID = 'HS'");
    QString text = exam;
    QVERIFY(search.SearchListing(text, clscodesearch::ItemListing));
    QCOMPARE(search.HSExamRecord().ResultCode(), exam);
    QCOMPARE(
        search.HSExamRecord().Otherrevenue(),
        scalar("Select OtherRevenue from Build_File..tbcoOtherRevenue where OtherRevenueID = " +
               Sql::quote(exam)));

    QString laserItem = scalar("Select top 1 OtherRevenueID from Build_File..tbcoOtherRevenue "
                               "where OtherSectionID = 'LR'");
    QVERIFY(!search.SearchListing(laserItem, clscodesearch::ItemListing));
    QVERIFY(!search.Cancelled());
}

void TestComponents::withoutSearchModeNoListOpens()
{
    ScriptedDialogs dialogs;
    clscodesearch search(dialogs);
    search.setConnection(connection_.get());
    search.setSearchMode(false);
    QString text;
    QVERIFY(!search.SearchListing(text, clscodesearch::DoctorListing));
    QVERIFY(dialogs.ran().isEmpty());
    QVERIFY(!search.Cancelled());
}

void TestComponents::showList_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("criteria");
    QTest::addColumn<bool>("pick");
    QTest::addColumn<int>("listed");

    const QString stocked =
        "Build_File..tbInvent i inner join Build_File..tbInvMaster m on m.ItemID = i.ItemID "
        "where m.Active = 'Y' and i.LocationID = ";
    const QString word = sharedFirstWord("Select m.DrugName from " + stocked + "'161'");
    QTest::newRow("pharmacy, picked")
        << "161"
        << "Ocuvane Drug List" << word.toLower() << true
        << count(stocked + "'161' and m.DrugName like " + Sql::quote(word + "%"));
    QTest::newRow("pharmacy, cancelled") << "161"
                                         << "Ocuvane Drug List"
                                         << "" << false << count(stocked + "'161'");
    QTest::newRow("supply satellite, picked") << "32"
                                              << "Ocuvane CSR List"
                                              << "" << true << count(stocked + "'32'");
}

void TestComponents::showList()
{
    QFETCH(QString, location);
    QFETCH(QString, title);
    QFETCH(QString, criteria);
    QFETCH(bool, pick);
    QFETCH(int, listed);
    ScriptedDialogs dialogs;
    clsListDrugs list(dialogs);
    QVERIFY(list.InitConnection(connection_.get()));
    list.setListTitle(title);
    list.setDrugsORCSR(false);
    QString caption;
    int rowsShown = -1;
    QString picked;
    dialogs.onNext([&](QDialog& dialog) {
        caption = dialog.windowTitle();
        rowsShown = visibleRows(dialog);
        if (!pick)
            return int(QDialog::Rejected);
        const int answer = pickSecond(dialog);
        picked = static_cast<ListingDialog&>(dialog).chosenCode();
        return answer;
    });
    QString typed = criteria;

    const QString code = list.ShowList(typed, true, location);

    QCOMPARE(caption, title);
    QCOMPARE(rowsShown, listed);
    QCOMPARE(code, picked);
    QCOMPARE(typed, pick ? picked : criteria);
    if (pick) {
        clsDrug drug;
        QVERIFY(drug.InitConnect(connection_.get()));
        QVERIFY(drug.Drug().SearchDrug(typed, location));
    }
}

void TestComponents::searchDrug_data()
{
    QTest::addColumn<QString>("itemCode");
    QTest::addColumn<QString>("location");
    QTest::addColumn<bool>("found");

    const QString medicine =
        scalar("Select top 1 i.ItemID from Build_File..tbInvent i where i.LocationID = '161' and "
               "not exists (select 1 from Build_File..tbInvent o where o.ItemID = i.ItemID and "
               "o.LocationID = '28')");
    QTest::newRow("medicine at the pharmacy") << medicine << "161" << true;
    QTest::newRow("typed with blanks around") << " " + medicine + "  "
                                              << " 161" << true;
    QTest::newRow("medicine not stocked at central supply") << medicine << "28" << false;
    QTest::newRow("supply at central supply")
        << scalar("Select top 1 ItemID from Build_File..tbInvent where LocationID = '28'") << "28"
        << true;
    QTest::newRow("unknown code") << "999999"
                                  << "161" << false;
    QTest::newRow("apostrophe in the code") << "10'0101"
                                            << "161" << false;
}

void TestComponents::searchDrug()
{
    QFETCH(QString, itemCode);
    QFETCH(QString, location);
    QFETCH(bool, found);
    clsDrug component;
    QVERIFY(component.InitConnect(connection_.get()));
    clsDrugItem& drug = component.Drug();
    QString primer =
        scalar("Select top 1 ItemID from Build_File..tbInvent where LocationID = '161'");
    QString pharmacy = "161";
    QVERIFY(drug.SearchDrug(primer, pharmacy));

    QString code = itemCode;
    QString where = location;
    QCOMPARE(drug.SearchDrug(code, where), found);

    const QString item = Sql::quote(itemCode.trimmed());
    const QString at = item + " and LocationID = " + Sql::quote(location.trimmed());
    QCOMPARE(code, found ? itemCode.trimmed() : itemCode);
    QCOMPARE(drug.DrugName(),
             found ? scalar("Select DrugName from Build_File..tbInvMaster where ItemID = " + item)
                   : "");
    QCOMPARE(
        drug.Invent().SellingPriceIn(),
        scalar("Select SellingPriceIn from Build_File..tbInvent where ItemID = " + at).toDouble());
    QCOMPARE(
        drug.Invent().SellingPriceOut(),
        scalar("Select SellingPriceOut from Build_File..tbInvent where ItemID = " + at).toDouble());
}

void TestComponents::appendStockCard_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("store");
    QTest::addColumn<QString>("requestedBy");
    QTest::addColumn<QString>("remarks");
    QTest::addColumn<QString>("lot");
    QTest::addColumn<QDateTime>("expiry");

    QTest::newRow("medicine charge") << "161" << 2.0 << 1500.0 << "PH"
                                     << "E0012"
                                     << ""
                                     << "" << QDateTime();
    QTest::newRow("reversal") << "161" << -2.0 << -1500.0 << "PH"
                              << "E0012"
                              << ""
                              << "" << QDateTime();
    QTest::newRow("supply, part of a box") << "28" << 0.5 << 42.75 << "CS"
                                           << "E0012"
                                           << ""
                                           << "" << QDateTime();
    QTest::newRow("apostrophes go through unchanged") << "161" << 1.0 << 295.0 << "PH"
                                                      << "RN M. O'NEIL"
                                                      << "PATIENT'S OWN ''SUPPLY''"
                                                      << "" << QDateTime();
    QTest::newRow("lot and expiry given") << "28" << 3.0 << 54.0 << "CS"
                                          << "E0012"
                                          << ""
                                          << "L-2231" << QDateTime(QDate(2028, 5, 31), QTime(0, 0));
}

void TestComponents::appendStockCard()
{
    QFETCH(QString, location);
    QFETCH(double, quantity);
    QFETCH(double, amount);
    QFETCH(QString, store);
    QFETCH(QString, requestedBy);
    QFETCH(QString, remarks);
    QFETCH(QString, lot);
    QFETCH(QDateTime, expiry);
    clsDrug component;
    QVERIFY(component.InitConnect(connection_.get()));
    const QString item = scalar(
        "Select top 1 ItemID from Build_File..tbInvent where LocationID = " + Sql::quote(location));
    const QString hospital =
        scalar("Select top 1 HospNum from Patient_Data..tbMaster where LastName like '%''%'");
    const QDateTime when(QDate(2026, 12, 11), QTime(14, 5));
    const int movements = count("Build_File..tbInvStockCard");
    const double stockBefore = onHand(location, item);

    component.Drug().AppendStockCard(hospital, "400012", item, when, "C1234E", quantity, 0, amount,
                                     "E0012", "PRN", requestedBy, location, remarks, "OPD", 0,
                                     store, store, "LR", lot, expiry, "R5678");

    QCOMPARE(count("Build_File..tbInvStockCard"), movements + 1);
    QCOMPARE(onHand(location, item), stockBefore - quantity);
    db::RowSet row = connection_->open(
        "Select top 1 * from Build_File..tbInvStockCard order by StockCardID desc");
    QStringList stored;
    for (int i = 1; i <= 21; ++i)
        stored << row.field(i).toString();
    const QStringList posted = {hospital,    "400012",
                                item,        Sql::dateTime(when),
                                "C1234E",    Sql::plainNumber(quantity),
                                "0",         Sql::plainNumber(amount),
                                "E0012",     "PRN",
                                requestedBy, location,
                                remarks,     "OPD",
                                "0",         store,
                                store,       "LR",
                                lot,         Sql::dateTime(expiry),
                                "R5678"};
    QCOMPARE(stored, posted);
    QCOMPARE(row.field("LotNo").isNull(), lot.isEmpty());
}

void TestComponents::stockCardJoinsTheCallersTransaction()
{
    clsDrug component;
    QVERIFY(component.InitConnect(connection_.get()));
    const QString item =
        scalar("Select top 1 ItemID from Build_File..tbInvent where LocationID = '161'");
    const int movements = count("Build_File..tbInvStockCard");
    const double stockBefore = onHand("161", item);
    {
        db::Transaction save(*connection_);
        component.Drug().AppendStockCard("T-0001", "T-400001", item, QDateTime::currentDateTime(),
                                         "C1E", 1, 0, 100, "E0012", "PRN", "E0012", "161", "",
                                         "407", 0, "PH", "PH", "LR", "", {}, "T-R1");
        // The caller's save fails after the posting: nothing of it may stay.
    }
    QCOMPARE(count("Build_File..tbInvStockCard"), movements);
    QCOMPARE(onHand("161", item), stockBefore);
}

QTEST_MAIN(TestComponents)
#include "tst_components.moc"
