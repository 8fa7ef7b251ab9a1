// The demo hospital, San Isidro Valley Medical Center, as its laser department finds it on
// Friday 11 December 2026 at half past ten in the morning:
// - master files: five nurse stations with rooms of classes A to E, fifteen doctors, ten charge
//   accounts, the laser procedures with rates A to E, result form types and treatment flags,
//   medicines and supplies stocked at locations 161, 28 and 32, revenue codes, holidays;
// - registered patients with admissions (current, billed, on cash basis, discharged) and
//   out-patient visits, walk-in cash patients, and months of charged request lines with their
//   bills, nurse log book entries, stock card movements, results and treatment sessions;
// - the morning's open work: nurse requests, out-patient requests to print, discharge notices,
//   cash assessments waiting at the cashier or for their charges, late charges;
// - employees of the department (log-in 1001, password "demo") and their past log-ins.
// The bench size keeps all of it and grows the registered patients to 200,000 and the request
// lines to 1,000,000 over five years. One fixed seed drives everything, so every run writes
// the same hospital.

#include "DemoHospital.h"

#include "PasswordHash.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <stdexcept>
#include <vector>

namespace hospitaldb {
namespace {

struct Sizes {
    int registeredPatients;
    int pastAdmissions;
    int visits;
    int cashPatients;
    int requestLines;
    int historyDays;
};

constexpr Sizes demoSizes{300, 30, 240, 60, 600, 120};
constexpr Sizes benchSizes{200000, 45000, 150000, 20000, 1000000, 1826};

// splitmix64: small, fast and the same on every platform.
class Random {
public:
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    qint64 below64(qint64 n) { return static_cast<qint64>(next() % static_cast<std::uint64_t>(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int chance) { return below(100) < chance; }
    template <typename Container> const auto& pick(const Container& items)
    {
        return items[static_cast<std::size_t>(below(static_cast<int>(std::size(items))))];
    }

private:
    std::uint64_t state_ = 0x5eed20261211ULL;
};

// Seconds since 1920-01-01 00:00:00; every generated date, birth dates included, lies between
// then and 2028.
using Stamp = qint64;
constexpr Stamp minute = 60;
constexpr Stamp hour = 60 * minute;
constexpr Stamp day = 24 * hour;

QDate epochDate()
{
    return QDate(1920, 1, 1);
}

Stamp stampAt(const QDate& date, int hours, int minutes = 0)
{
    return epochDate().daysTo(date) * day + hours * hour + minutes * minute;
}

QDate dateOf(Stamp stamp)
{
    return epochDate().addDays(stamp / day);
}

int hourOf(Stamp stamp)
{
    return static_cast<int>(stamp % day / hour);
}

// Day texts are made once, so that millions of date-times are written without QDateTime.
class Calendar {
public:
    Calendar()
    {
        const QDate last(2028, 12, 31);
        for (QDate date = epochDate(); date <= last; date = date.addDays(1)) {
            const QByteArray text = date.toString(u"yyyy-MM-dd").toLatin1();
            std::array<char, 10> chars{};
            std::memcpy(chars.data(), text.constData(), chars.size());
            days_.push_back(chars);
        }
    }

    // "yyyy-MM-dd hh:mm:ss.zzz", the stored form of a date-time.
    QString text(Stamp stamp) const
    {
        const int seconds = static_cast<int>(stamp % day);
        char buffer[23];
        std::memcpy(buffer, days_[static_cast<std::size_t>(stamp / day)].data(), 10);
        buffer[10] = ' ';
        putTwoDigits(buffer + 11, seconds / 3600);
        buffer[13] = ':';
        putTwoDigits(buffer + 14, seconds / 60 % 60);
        buffer[16] = ':';
        putTwoDigits(buffer + 17, seconds % 60);
        std::memcpy(buffer + 19, ".000", 4);
        return QString::fromLatin1(buffer, 23);
    }

    QString dateText(const QDate& date) const { return text(stampAt(date, 0)); }

private:
    static void putTwoDigits(char* out, int value)
    {
        out[0] = static_cast<char>('0' + value / 10);
        out[1] = static_cast<char>('0' + value % 10);
    }

    std::vector<std::array<char, 10>> days_;
};

class Statement {
public:
    Statement(QSqlDatabase& db, const QString& sql)
        : query_(db)
        , sql_(sql)
    {
        query_.setForwardOnly(true);
        if (!query_.prepare(sql_))
            fail();
    }

    void run(std::initializer_list<QVariant> values)
    {
        int position = 0;
        for (const QVariant& value : values)
            query_.bindValue(position++, value);
        if (!query_.exec())
            fail();
    }

private:
    [[noreturn]] void fail() const
    {
        throw std::runtime_error(
            (sql_ + QStringLiteral("\n") + query_.lastError().text()).toStdString());
    }

    QSqlQuery query_;
    QString sql_;
};

QString insertSql(const QString& table, const QStringList& columns)
{
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
}

QVariant orNull(const QString& text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

double cents(double value)
{
    return std::round(value * 100.0) / 100.0;
}

QString padded(qint64 number, int width)
{
    return QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
}

template <typename Container> int sizeOf(const Container& items)
{
    return static_cast<int>(std::size(items));
}

// ---------------------------------------------------------------------------------------------
// Fixed contents

struct DoctorData {
    const char* id;
    const char* last;
    const char* first;
    const char* middle;
    const char* specialization;
};

constexpr DoctorData doctorData[] = {
    {"1101", "VILLAREAL", "CORAZON", "MENDOZA", "OPHTHALMOLOGY - RETINA"},
    {"1102", "SANTILLAN", "ERNESTO", "BAUTISTA", "OPHTHALMOLOGY - GLAUCOMA"},
    {"1103", "DE GUZMAN", "PATRICIA", "LUNA", "OPHTHALMOLOGY - CORNEA"},
    {"1104", "YAP", "ALBERT", "CHUA", "OPHTHALMOLOGY - RETINA"},
    {"1105", "MALLARI", "GERARDO", "TIONGSON", "OPHTHALMOLOGY"},
    {"1106", "OCAMPO", "LIZA", "RAMIREZ", "OPHTHALMOLOGY - NEURO-OPHTHALMOLOGY"},
    {"1107", "TUAZON", "ROMEO", "DAVID", "OPHTHALMOLOGY - PEDIATRIC"},
    {"1108", "BERNARDO", "CECILIA", "AGUILAR", "INTERNAL MEDICINE - ENDOCRINOLOGY"},
    {"1109", "ANG", "KENNETH", "SY", "INTERNAL MEDICINE - CARDIOLOGY"},
    {"1110", "SALONGA", "MIGUEL", "FERRER", "SURGERY"},
    {"1111", "DIMACULANGAN", "JOSEFINA", "PASCUAL", "ANESTHESIOLOGY"},
    {"1112", "QUIMPO", "RAFAEL", "NARVAEZ", "INTERNAL MEDICINE"},
    {"1113", "ABAD", "MARIA TERESA", "GATMAITAN", "PEDIATRICS"},
    {"1114", "LOPEZ", "VICENTE", "HERRERA", "NEUROLOGY"},
    {"1115", "NAVARRO", "ISABEL", "ESPINOSA", "FAMILY MEDICINE"},
};
constexpr int eyeDoctors = 7; // the first seven are ophthalmologists

struct CompanyData {
    const char* account;
    const char* name;
    const char* type;
    const char* address;
};

constexpr CompanyData companyData[] = {
    {"A0101", "MEDISHIELD HEALTH PLANS INC.", "H", "21F AYALA TRIANGLE TOWER, MAKATI CITY"},
    {"A0102", "BAYANIHAN HEALTHCARE SYSTEMS", "H", "1180 EDSA, MANDALUYONG CITY"},
    {"A0103", "ARCHIPELAGO HMO CORPORATION", "H", "8 JUPITER ST., MAKATI CITY"},
    {"A0104", "KALINGA MEDICARE ASSURANCE", "H", "55 TIMOG AVE., QUEZON CITY"},
    {"A0105", "PACIFIC SUNRISE INSURANCE CO.", "I", "ORTIGAS CENTER, PASIG CITY"},
    {"A0201", "TALA SHIPPING LINES INC.", "C", "PIER 4, NORTH HARBOR, MANILA"},
    {"A0202", "DIWA SEMICONDUCTORS PHILS. INC.", "C", "LAGUNA TECHNOPARK, BIÑAN, LAGUNA"},
    {"A0203", "SAMPAGUITA FOODS CORPORATION", "C", "KM 18 WEST SERVICE ROAD, PARAÑAQUE"},
    {"A0204", "BUKLOD TEACHERS' COOPERATIVE", "C", "12 KALAW ST., MANILA"},
    {"A0205", "MAKILING AGRI-VENTURES INC.", "C", "NATIONAL HIGHWAY, CALAMBA CITY"},
};

struct StationData {
    const char* id;
    const char* name;
    const char* phone;
};

constexpr StationData stationData[] = {
    {"2N", "2ND FLOOR NORTH WING", "2201"}, {"2S", "2ND FLOOR SOUTH WING", "2202"},
    {"3N", "3RD FLOOR NORTH WING", "2301"}, {"4P", "4TH FLOOR PRIVATE SUITES", "2401"},
    {"PW", "PEDIATRIC WARD", "2501"},
};

struct RoomClassData {
    const char* id;
    const char* name;
    double rate;
};

constexpr RoomClassData roomClassData[] = {
    {"A", "SUITE", 8500}, {"B", "PRIVATE", 4500},     {"C", "SEMI-PRIVATE", 2800},
    {"D", "WARD", 1500},  {"E", "SERVICE WARD", 600},
};

// Rooms as ranges: first number, count, class index, station, beds per room.
struct RoomRange {
    int first;
    int count;
    int roomClass;
    const char* station;
    int beds;
};

constexpr RoomRange roomRanges[] = {
    {401, 8, 0, "4P", 1}, {201, 10, 1, "2N", 1}, {211, 6, 2, "2S", 2},
    {301, 4, 3, "3N", 6}, {305, 2, 4, "3N", 8},  {501, 2, 3, "PW", 4},
};

// Laser procedures: code, description, OPD rate (RateA), form type, treatment, fixed rate.
struct ExamData {
    const char* code;
    const char* name;
    double rate;
    const char* formType;
    bool olExam;
    bool fixRate;
};

constexpr ExamData examData[] = {
    {"LR01", "AUTOMATED VISUAL FIELD 24-2 (OU)", 2400, "A", false, false},
    {"LR02", "AUTOMATED VISUAL FIELD 30-2 (OU)", 2400, "A", false, false},
    {"LR03", "AUTOMATED VISUAL FIELD 10-2 (OU)", 2200, "A", false, false},
    {"LR04", "KINETIC VISUAL FIELD (OU)", 2000, "A", false, false},
    {"LR05", "FLUORESCEIN ANGIOGRAPHY (OU)", 6500, "B", false, false},
    {"LR06", "FLUORESCEIN ANGIOGRAPHY WITH COLOR FUNDUS PHOTOGRAPHY", 7800, "B", false, false},
    {"LR07", "INDOCYANINE GREEN ANGIOGRAPHY", 9500, "B", false, false},
    {"LR08", "FUNDUS PHOTOGRAPHY (OU)", 1800, "C", false, false},
    {"LR09", "OPTICAL COHERENCE TOMOGRAPHY - MACULA (OU)", 3500, "", false, false},
    {"LR10", "OPTICAL COHERENCE TOMOGRAPHY - RNFL (OU)", 3500, "", false, false},
    {"LR11", "PANRETINAL PHOTOCOAGULATION (PER SESSION)", 9000, "", true, false},
    {"LR12", "FOCAL / GRID LASER PHOTOCOAGULATION", 8000, "", true, false},
    {"LR13", "YAG LASER CAPSULOTOMY", 7500, "", true, false},
    {"LR14", "LASER PERIPHERAL IRIDOTOMY", 7000, "", true, false},
    {"LR15", "SELECTIVE LASER TRABECULOPLASTY", 12000, "", true, false},
    {"LR16", "BARRIER LASER RETINOPEXY", 8500, "", true, false},
    {"LR17", "A-SCAN BIOMETRY (OU)", 1500, "", false, false},
    {"LR18", "B-SCAN OCULAR ULTRASOUND", 2000, "C", false, false},
    {"LR19", "CORNEAL TOPOGRAPHY", 2500, "", false, false},
    {"LR20", "PACHYMETRY (OU)", 800, "", false, true},
    {"LR21", "APPLANATION TONOMETRY", 300, "", false, true},
    {"LR22", "AUTOREFRACTION", 250, "", false, true},
    {"LR23", "INTRAVITREAL INJECTION (PROCEDURE FEE)", 5000, "", true, false},
    {"LR24", "LASER ROOM USE (PER HOUR)", 3000, "", false, true},
    {"LR25", "BEDSIDE SLIT LAMP EXAMINATION", 600, "", false, false},
};

// Rates of the room classes B to E as a share of the OPD rate.
constexpr double classShare[] = {1.0, 0.95, 0.9, 0.8, 0.6};

struct OtherItemData {
    const char* code;
    const char* name;
    const char* section;
    double rate;
};

constexpr OtherItemData otherItemData[] = {
    {"HS01", "ELECTROCARDIOGRAM (12 LEADS)", "HS", 450},
    {"HS02", "2D ECHOCARDIOGRAPHY WITH DOPPLER", "HS", 4800},
    {"HS03", "TREADMILL STRESS TEST", "HS", 3200},
    {"XR01", "CHEST PA", "XR", 550},
    {"XR02", "ORBITS SERIES", "XR", 1200},
};

struct StockData {
    const char* code;
    const char* name;
    const char* generic;
    const char* unit;
    double priceOut;
};

constexpr StockData medicineData[] = {
    {"100101", "TROPICAMIDE 1% EYE DROPS 15ML", "TROPICAMIDE", "BTL", 295},
    {"100102", "PHENYLEPHRINE 2.5% EYE DROPS 5ML", "PHENYLEPHRINE", "BTL", 260},
    {"100103", "PROPARACAINE 0.5% EYE DROPS 15ML", "PROPARACAINE", "BTL", 410},
    {"100104", "FLUORESCEIN SODIUM 10% INJECTION 5ML", "FLUORESCEIN SODIUM", "AMP", 1150},
    {"100105", "TIMOLOL 0.5% EYE DROPS 5ML", "TIMOLOL MALEATE", "BTL", 380},
    {"100106", "LATANOPROST 0.005% EYE DROPS 2.5ML", "LATANOPROST", "BTL", 890},
    {"100107", "PREDNISOLONE ACETATE 1% EYE DROPS 5ML", "PREDNISOLONE ACETATE", "BTL", 540},
    {"100108", "MOXIFLOXACIN 0.5% EYE DROPS 5ML", "MOXIFLOXACIN", "BTL", 620},
    {"100109", "TOBRAMYCIN + DEXAMETHASONE EYE OINTMENT 3.5G", "TOBRAMYCIN + DEXAMETHASONE", "TUBE",
     480},
    {"100110", "ACETAZOLAMIDE 250MG TABLET", "ACETAZOLAMIDE", "TAB", 18},
    {"100111", "BRIMONIDINE 0.2% EYE DROPS 5ML", "BRIMONIDINE TARTRATE", "BTL", 720},
    {"100112", "PILOCARPINE 2% EYE DROPS 15ML", "PILOCARPINE", "BTL", 350},
    {"100113", "CARBOXYMETHYLCELLULOSE 0.5% LUBRICANT EYE DROPS 15ML", "CARBOXYMETHYLCELLULOSE",
     "BTL", 310},
    {"100114", "CYCLOPENTOLATE 1% EYE DROPS 15ML", "CYCLOPENTOLATE", "BTL", 365},
    {"100115", "KETOROLAC 0.5% EYE DROPS 5ML", "KETOROLAC TROMETHAMINE", "BTL", 455},
    {"100116", "DORZOLAMIDE 2% EYE DROPS 5ML", "DORZOLAMIDE", "BTL", 830},
    {"100117", "ATROPINE 1% EYE DROPS 5ML", "ATROPINE SULFATE", "BTL", 240},
    {"100118", "BEVACIZUMAB 100MG/4ML INJECTION", "BEVACIZUMAB", "VIAL", 14500},
    {"100119", "LIDOCAINE 2% INJECTION 5ML", "LIDOCAINE", "AMP", 45},
    {"100120", "PARACETAMOL 500MG TABLET", "PARACETAMOL", "TAB", 6},
};

constexpr StockData supplyData[] = {
    {"200101", "STERILE GAUZE PAD 4X4", "GAUZE", "PC", 8},
    {"200102", "COTTON BALLS", "COTTON", "PACK", 35},
    {"200103", "STERILE EYE PAD", "EYE PAD", "PC", 25},
    {"200104", "SURGICAL PAPER TAPE 1 INCH", "PAPER TAPE", "ROLL", 85},
    {"200105", "TUBERCULIN SYRINGE 1CC", "SYRINGE", "PC", 18},
    {"200106", "DISPOSABLE SYRINGE 3CC", "SYRINGE", "PC", 14},
    {"200107", "HYPODERMIC NEEDLE G30", "NEEDLE", "PC", 12},
    {"200108", "IV CANNULA G22", "IV CANNULA", "PC", 65},
    {"200109", "ALCOHOL PREP PAD", "ALCOHOL PAD", "PC", 4},
    {"200110", "EXAMINATION GLOVES (PAIR)", "GLOVES", "PAIR", 12},
    {"200111", "STERILE SURGICAL GLOVES SIZE 7 (PAIR)", "GLOVES", "PAIR", 48},
    {"200112", "PLASTIC EYE SHIELD", "EYE SHIELD", "PC", 55},
    {"200113", "DISPOSABLE LID SPECULUM", "LID SPECULUM", "PC", 180},
    {"200114", "POVIDONE-IODINE 5% SOLUTION 10ML", "POVIDONE-IODINE", "BTL", 95},
    {"200115", "SODIUM CHLORIDE 0.9% 500ML", "SODIUM CHLORIDE", "BTL", 75},
};

struct RevenueData {
    const char* id;
    const char* name;
    const char* lrActive;
};

constexpr RevenueData revenueData[] = {
    {"LR", "LASER PROCEDURE", "Y"},
    {"LM", "LASER MEDICINE", "Y"},
    {"LC", "LASER SUPPLIES", "Y"},
    {"MD", "PROFESSIONAL FEE", "Y"},
    {"OL", "LASER (OUT-PATIENT)", "N"},
    {"HS", "HEART STATION", "N"},
    {"HK", "HEART STATION SUPPLIES", "N"},
    {"HN", "HEART STATION MEDICINES", "N"},
    {"HM", "HEART STATION MONITORING", "N"},
    {"HP", "HEART STATION PROCEDURES", "N"},
    {"XR", "RADIOLOGY", "N"},
    {"LB", "LABORATORY", "N"},
    {"PH", "PHARMACY", "N"},
    {"CS", "CENTRAL SUPPLY", "N"},
    {"RB", "ROOM AND BOARD", "N"},
    {"OR", "OPERATING ROOM", "N"},
    {"ER", "EMERGENCY ROOM", "N"},
    {"PT", "PHYSICAL THERAPY", "N"},
};

struct HolidayData {
    int year;
    int month;
    int dayOfMonth;
    const char* name;
    const char* fixed;
};

constexpr HolidayData holidayData[] = {
    {2026, 1, 1, "NEW YEAR'S DAY", "1"},
    {2026, 2, 25, "EDSA PEOPLE POWER REVOLUTION ANNIVERSARY", "1"},
    {2026, 4, 2, "MAUNDY THURSDAY", "0"},
    {2026, 4, 3, "GOOD FRIDAY", "0"},
    {2026, 4, 9, "ARAW NG KAGITINGAN", "1"},
    {2026, 5, 1, "LABOR DAY", "1"},
    {2026, 6, 12, "INDEPENDENCE DAY", "1"},
    {2026, 8, 21, "NINOY AQUINO DAY", "1"},
    {2026, 8, 31, "NATIONAL HEROES DAY", "0"},
    {2026, 11, 1, "ALL SAINTS' DAY", "1"},
    {2026, 11, 30, "BONIFACIO DAY", "1"},
    {2026, 12, 8, "FEAST OF THE IMMACULATE CONCEPTION", "1"},
    {2026, 12, 24, "CHRISTMAS EVE", "1"},
    {2026, 12, 25, "CHRISTMAS DAY", "1"},
    {2026, 12, 30, "RIZAL DAY", "1"},
    {2026, 12, 31, "LAST DAY OF THE YEAR", "1"},
    {2027, 1, 1, "NEW YEAR'S DAY", "1"},
    {2027, 3, 25, "MAUNDY THURSDAY", "0"},
    {2027, 3, 26, "GOOD FRIDAY", "0"},
    {2027, 4, 9, "ARAW NG KAGITINGAN", "1"},
};

struct ZipData {
    const char* zip;
    const char* town;
    const char* province;
};

constexpr ZipData zipData[] = {
    {"1100", "QUEZON CITY", "METRO MANILA"},
    {"1000", "MANILA", "METRO MANILA"},
    {"1200", "MAKATI CITY", "METRO MANILA"},
    {"1600", "PASIG CITY", "METRO MANILA"},
    {"1550", "MANDALUYONG CITY", "METRO MANILA"},
    {"1800", "MARIKINA CITY", "METRO MANILA"},
    {"1740", "LAS PIÑAS CITY", "METRO MANILA"},
    {"1700", "PARAÑAQUE CITY", "METRO MANILA"},
    {"1870", "ANTIPOLO CITY", "RIZAL"},
    {"4027", "CALAMBA CITY", "LAGUNA"},
    {"4024", "BIÑAN CITY", "LAGUNA"},
    {"4114", "DASMARIÑAS CITY", "CAVITE"},
};

constexpr const char* civilStatusData[][2] = {
    {"S", "SINGLE"}, {"M", "MARRIED"}, {"W", "WIDOWED"}, {"X", "SEPARATED"}, {"A", "ANNULLED"},
};

constexpr const char* lastNames[] = {
    "SANTOS",     "REYES",    "CRUZ",      "BAUTISTA",      "OCAMPO",       "GARCIA",
    "MENDOZA",    "TORRES",   "TOMAS",     "ANDRADA",       "CASTILLO",     "FLORES",
    "VILLANUEVA", "RAMOS",    "CASTRO",    "RIVERA",        "AQUINO",       "NAVARRO",
    "SALAZAR",    "MERCADO",  "DELA CRUZ", "DE LEON",       "DEL ROSARIO",  "SANTIAGO",
    "PASCUAL",    "GONZALES", "LIM",       "TAN",           "CO",           "SY",
    "DIZON",      "MANALO",   "MACARAEG",  "PANGILINAN",    "SORIANO",      "LACSON",
    "ESPIRITU",   "VALDEZ",   "CABRERA",   "DOMINGO",       "FERNANDEZ",    "GUTIERREZ",
    "HERNANDEZ",  "ILAGAN",   "JAVIER",    "LAUREL",        "MAGBANUA",     "NATIVIDAD",
    "PADILLA",    "QUINTO",   "SAMSON",    "TOLENTINO",     "UMALI",        "VERGARA",
    "YAMBAO",     "ZAMORA",   "BALTAZAR",  "CORPUZ",        "DATU",         "EVANGELISTA",
    "FAJARDO",    "GALANG",   "HIZON",     "IGNACIO",       "MARTINEZ",     "MUÑOZ",
    "PEÑA",       "NUÑEZ",    "OBLENA",    "PEREZ",         "RODRIGUEZ",    "SARMIENTO",
    "TIANGCO",    "VELASCO",  "SMITH",     "DE LOS SANTOS", "BUENAVENTURA", "AGUSTIN",
};

constexpr const char* maleNames[] = {
    "JUAN",     "JOSE",     "PEDRO",      "RAMON",    "EDUARDO",      "ROBERTO",   "RICARDO",
    "DANILO",   "ARNEL",    "JERICHO",    "PAOLO",    "MARK ANTHONY", "JOHN PAUL", "ANTONIO",
    "FERNANDO", "ROGELIO",  "ERNESTO",    "ALFREDO",  "MANUEL",       "RAFAEL",    "CARLO",
    "JOMAR",    "REYNALDO", "BIENVENIDO", "CRISANTO", "NESTOR",       "ROMMEL",    "VICENTE",
    "GABRIEL",  "MIGUEL",   "ANGELO",     "KEVIN",    "JAYSON",       "DENNIS",    "RODEL",
    "EFREN",    "FELIPE",   "ISIDRO",     "LEONARDO", "TEODORO",
};

constexpr const char* femaleNames[] = {
    "MARIA",    "ANA",        "ROSARIO",  "CARMELITA",  "LUZVIMINDA",  "JOCELYN",    "MARICEL",
    "ERLINDA",  "FLORDELIZA", "KRISTINE", "ANGELICA",   "MA. LOURDES", "TERESITA",   "REMEDIOS",
    "CONSUELO", "MILAGROS",   "NORMA",    "EVANGELINE", "JENNIFER",    "CHERRY MAE", "GRACE",
    "JOY",      "RHODORA",    "CORAZON",  "LEONORA",    "ESPERANZA",   "DOLORES",    "AURORA",
    "PRECIOUS", "CATHERINE",  "MYLENE",   "SHEILA",     "LIZA",        "NENITA",     "VIRGINIA",
    "ZENAIDA",  "PERLA",      "JOSEFINA", "AMELIA",     "BEATRIZ",
};

constexpr const char* streets[] = {
    "MABINI ST.",     "RIZAL AVE.", "BONIFACIO ST.",   "LUNA ST.",        "DEL PILAR ST.",
    "JACINTO ST.",    "BURGOS ST.", "AGUINALDO HWAY.", "MAGSAYSAY BLVD.", "QUEZON AVE.",
    "SAMPAGUITA ST.", "KAMIA ST.",  "ILANG-ILANG ST.", "NARRA ST.",       "MOLAVE ST.",
};

constexpr const char* barangays[] = {
    "SAN ROQUE",   "POBLACION",   "BAGONG SILANGAN", "SAN ISIDRO",   "STO. NIÑO",
    "MALANDAY",    "CALUMPANG",   "UGONG",           "KAPITOLYO",    "BF HOMES",
    "SAN ANTONIO", "HOLY SPIRIT", "BATASAN HILLS",   "COMMONWEALTH", "PINAGKAISAHAN",
};

constexpr const char* occupations[] = {
    "RETIRED",     "TEACHER", "ENGINEER",       "HOUSEWIFE",         "DRIVER", "NURSE",
    "ACCOUNTANT",  "VENDOR",  "SEAFARER",       "STUDENT",           "CLERK",  "FARMER",
    "BUSINESSMAN", "OFW",     "SECURITY GUARD", "CALL CENTER AGENT",
};

constexpr const char* complaints[] = {
    "BLURRED VISION",           "EYE REDNESS", "FOLLOW-UP CHECK-UP", "DIABETIC EYE SCREENING",
    "GLAUCOMA FOLLOW-UP",       "FLOATERS",    "EYE PAIN",           "SUDDEN LOSS OF VISION OD",
    "HEADACHE WITH EYE STRAIN",
};

constexpr const char* diagnoses[] = {
    "DIABETES MELLITUS TYPE 2; DIABETIC RETINOPATHY",
    "CATARACT, SENILE, OD - FOR PHACOEMULSIFICATION",
    "ACUTE ANGLE CLOSURE GLAUCOMA OS",
    "RHEGMATOGENOUS RETINAL DETACHMENT OD",
    "HYPERTENSIVE URGENCY",
    "COMMUNITY ACQUIRED PNEUMONIA",
    "CEREBROVASCULAR DISEASE, INFARCT",
    "CHRONIC KIDNEY DISEASE STAGE 4",
    "DENGUE FEVER WITHOUT WARNING SIGNS",
    "PITUITARY MACROADENOMA",
};

constexpr const char* wardNurses[] = {
    "RN J. MACARAEG", "RN A. SOLIMAN",  "RN P. DAVID",  "RN L. CATACUTAN",
    "RN R. ILUSTRE",  "RN K. BAUTISTA", "RN M. O'NEIL", "RN S. PANGANIBAN",
};

constexpr const char* indications[] = {
    "GLAUCOMA SUSPECT",
    "PRIMARY OPEN ANGLE GLAUCOMA, FOLLOW-UP",
    "PITUITARY ADENOMA, R/O CHIASMAL COMPRESSION",
    "OCULAR HYPERTENSION",
    "OPTIC NEURITIS, FOLLOW-UP",
    "HYDROXYCHLOROQUINE SCREENING",
};

constexpr const char* fieldFindings[] = {
    "RELIABLE TEST. FULL FIELD, NO SIGNIFICANT DEFECT.",
    "RELIABLE TEST. SUPERIOR ARCUATE DEFECT.",
    "INFERIOR NASAL STEP.",
    "GENERALIZED DEPRESSION, MD -6.2 DB.",
    "TEMPORAL HEMIANOPIC DEFECT RESPECTING THE VERTICAL MERIDIAN.",
    "HIGH FIXATION LOSSES; INTERPRET WITH CAUTION.",
};

constexpr const char* fieldImpressions[] = {
    "NORMAL VISUAL FIELDS OU",
    "EARLY GLAUCOMATOUS FIELD LOSS OD",
    "MODERATE GLAUCOMATOUS FIELD LOSS OU",
    "BITEMPORAL HEMIANOPIA",
    "NON-SPECIFIC FIELD DEPRESSION OS",
};

constexpr const char* fieldInterpretations[] = {
    "CORRELATE WITH OPTIC DISC FINDINGS AND OCT RNFL.",
    "REPEAT TEST IN 6 MONTHS.",
    "PROGRESSION COMPARED WITH THE PREVIOUS TEST; CONSIDER TREATMENT CHANGE.",
    "REFER TO NEUROSURGERY FOR IMAGING CORRELATION.",
};

constexpr const char* photoFindings[] = {
    "COLOR: DOT-BLOT HEMORRHAGES AND HARD EXUDATES OU. RED FREE: MICROANEURYSMS OU.",
    "COLOR: FLAME HEMORRHAGES ALONG THE SUPEROTEMPORAL ARCADE OD. RED FREE: TORTUOUS VEINS.",
    "COLOR: GRAYISH SUBRETINAL LESION AT THE FOVEA OS. RED FREE: UNREMARKABLE OD.",
    "COLOR: NEOVASCULARIZATION OF THE DISC OD. RED FREE: VITREOUS HEMORRHAGE INFERIORLY.",
};

constexpr const char* angiographyFindings[] = {
    "NORMAL ARM-RETINA TIME; LATE LEAKAGE FROM MICROANEURYSMS WITHIN 1 DD OF THE FOVEA OU.",
    "AREAS OF CAPILLARY NON-PERFUSION TEMPORAL TO THE MACULA OD.",
    "EARLY LACY HYPERFLUORESCENCE WITH LATE LEAKAGE, SUBFOVEAL OS.",
    "PROFUSE LEAKAGE FROM NEW VESSELS AT THE DISC OD; BLOCKED FLUORESCENCE INFERIORLY.",
};

constexpr const char* angiographyAssessments[] = {
    "MODERATE NON-PROLIFERATIVE DIABETIC RETINOPATHY WITH CLINICALLY SIGNIFICANT MACULAR EDEMA OU",
    "BRANCH RETINAL VEIN OCCLUSION, SUPEROTEMPORAL, OD",
    "CLASSIC CHOROIDAL NEOVASCULAR MEMBRANE OS",
    "PROLIFERATIVE DIABETIC RETINOPATHY OD",
};

constexpr const char* angiographySuggestions[] = {
    "FOCAL / GRID LASER PHOTOCOAGULATION OU.",
    "SECTORAL LASER PHOTOCOAGULATION OD; REPEAT FA IN 3 MONTHS.",
    "INTRAVITREAL ANTI-VEGF INJECTION OS, MONTHLY FOR 3 MONTHS.",
    "PANRETINAL PHOTOCOAGULATION OD IN 3 SESSIONS.",
};

constexpr const char* treatmentDiagnoses[] = {
    "PROLIFERATIVE DIABETIC RETINOPATHY OU",
    "POSTERIOR CAPSULE OPACIFICATION OD",
    "PRIMARY ANGLE CLOSURE SUSPECT OU",
    "PRIMARY OPEN ANGLE GLAUCOMA OU",
    "LATTICE DEGENERATION WITH ATROPHIC HOLE OS",
    "CENTRAL RETINAL VEIN OCCLUSION WITH MACULAR EDEMA OD",
};

constexpr const char* treatmentRemarks[] = {
    "TOLERATED THE PROCEDURE WELL.",       "1200 SPOTS, 200 UM, 0.1 S, 250 MW.",
    "IOP 30 MINUTES AFTER: 14 MMHG.",      "PATIENT ADVISED TO RETURN AFTER 2 WEEKS.",
    "MILD DISCOMFORT; GIVEN PARACETAMOL.", "FOLLOW-UP WITH DR. VILLAREAL'S CLINIC.",
};

constexpr const char* activityFlows[] = {
    "Open List of Patient Form; Click Process; Exit List of Patient Form; Open Request Entry "
    "Form; Click Save and Print; Exit Request Entry Form; ",
    "Open Result Entry Form; Click Process; Open Visual Fields Report Form; Click Save and Print; "
    "Exit Visual Fields Report Form; Click Close; Exit Result Entry Form; ",
    "Open Assessment Entry Form; Click Save and Print; Exit Assessment Entry Form; ",
    "Open Treatment Session Entry Form; Click Add; Click Save; Click Exit; Exit Treatment Session "
    "Entry Form; ",
    "Open Re-printing of Charge Slip; Click Re-print; Click Cancel; Exit Re-printing of Charge "
    "Slip; ",
    "Open Out Patient Request Entry Form; Click Save; Exit Out Patient Request Entry Form; ",
    "Open Result Entry Form; Click Process; Open Fluorescein Angiography (FA) Form; Click Save; "
    "Exit Fluorescein Angiography (FA) Form; Click Close; Exit Result Entry Form; ",
};

struct EmployeeData {
    const char* code;
    const char* last;
    const char* first;
    const char* middle;
    const char* displayName;
    const char* dept;
    const char* position;
    const char* password;
};

constexpr EmployeeData employeeData[] = {
    {"1001", "GATCHALIAN", "MARISOL", "TORRES", "MARISOL T. GATCHALIAN, RN", "LR", "STAFF NURSE",
     "demo"},
    {"1002", "DIMAANO", "ROWENA", "PEREZ", "ROWENA P. DIMAANO", "LR", "OPHTHALMIC TECHNICIAN",
     "tech"},
    {"1003", "ESGUERRA", "BENJAMIN", "CRUZ", "BENJAMIN C. ESGUERRA", "LR", "CHARGE CLERK", "clerk"},
    {"1004", "LAPUZ", "TERESITA", "MANALO", "TERESITA M. LAPUZ, RN", "LR", "HEAD NURSE", "head"},
    {"2001", "SORIANO", "EDGARDO", "LIM", "EDGARDO L. SORIANO", "HS", "CARDIOVASCULAR TECHNICIAN",
     "heart"},
};
constexpr int laserStaff = 4; // the first four belong to the laser department
constexpr const char* cashierCode = "2107";

// Patients that show names the program must handle: an apostrophe, non-Latin letters,
// a very long given name, letters with diacritics.
struct FeaturedData {
    const char* last;
    const char* first;
    const char* middle;
    const char* sex;
    int birthYear;
};

constexpr FeaturedData featuredPatients[] = {
    {"O'BRIEN", "SEAN PATRICK", "DELA CRUZ", "M", 1958},
    {"王", "小明", "陈", "M", 1975},
    {"SMITH", "JOHN ROBERT", "CRUZ", "M", 1949},
    {"DELA CRUZ", "MARIA CONCEPCION ESPERANZA VICTORIA", "SANTOS", "F", 1962},
    {"MUÑOZ", "MA. LOURDES", "PEÑA", "F", 1980},
    {"NGUYỄN", "THỊ LAN", "", "F", 1986},
};

constexpr FeaturedData featuredCashPatients[] = {
    {"O'CONNOR", "BRIDGET", "ALVAREZ", "F", 1971},
    {"ИВАНОВА", "АННА", "", "F", 1990},
};

// ---------------------------------------------------------------------------------------------
// The hospital being built

struct Doctor {
    QString id;
    QString last;
    QString first;
    QString middle;
    QString listName() const { return last + QLatin1Char(',') + first + QLatin1Char(' ') + middle; }
};

struct Room {
    QString id;
    int roomClass;
    QString station;
    int beds;
};

struct Exam {
    QString code;
    QString name;
    std::array<double, 5> rates;
    QString formType;
    bool olExam;
    bool needsResult() const { return formType == u"A" || formType == u"B"; }
};

struct Stock {
    QString code;
    double priceIn;
    double priceOut;
};

struct Person {
    QString hospNum;
    QString last;
    QString first;
    QString middle;
    QString sex;
    QDate birth;
    QString fullName() const
    {
        return last + QStringLiteral(", ") + first + QLatin1Char(' ') + middle;
    }
};

// An admission ('I'), an out-patient visit ('O') or a walk-in cash patient's day ('W').
struct Encounter {
    char kind = 'I';
    QString idNum;
    int person = 0;
    int room = -1;
    QString account;
    int doctor = 0;
    Stamp start = 0;
    Stamp chargeEnd = 0;
    Stamp discharge = -1;
    Stamp billing = -1;
    char visitType = 'O';
    bool featured = false;
    int sessions = 0;
};

struct CashLine {
    QString item;
    double amount;
    double quantity;
};

struct CashSale {
    QString orNumber;
    QString name;
    Stamp paid;
    std::vector<CashLine> lines;
};

int yearsBetween(const QDate& birth, const QDate& on)
{
    int years = on.year() - birth.year();
    if (on.month() < birth.month() || (on.month() == birth.month() && on.day() < birth.day()))
        --years;
    return std::max(years, 0);
}

constexpr double professionalFees[] = {500, 800, 1000, 1500, 2000, 2500, 3000};

constexpr const char* noticeRemarks[] = {
    "MAY GO HOME. FOLLOW-UP AT THE EYE CLINIC AFTER 1 WEEK.",
    "HOME PER DR. VILLAREAL; PATIENT'S DAUGHTER TO SETTLE THE ACCOUNT.",
    "MAY GO HOME WITH MEDICATIONS. FOR REPEAT FA AFTER 3 MONTHS.",
    "DISCHARGE AGAINST MEDICAL ADVICE; WAIVER SIGNED.",
    "TRANSFER TO A HOSPITAL NEARER HOME.",
    "MAY GO HOME. CONTINUE EYE DROPS AS PRESCRIBED.",
};

constexpr const char* nurseRemarks[] = {
    "FOR EXAM TODAY PER DR. YAP'S ORDER.",
    "PATIENT ON WHEELCHAIR.",
    "DILATE BOTH EYES BEFORE THE EXAM.",
    "",
};

// A row of the request master as the department's saves write it. Every member has an
// initializer, so that a line names only what it sets.
struct RequestLine {
    QString requestNum{};
    QString refNum{};
    QString hospNum{};
    QString idNum{};
    QString item{};
    QString revenue{};
    double amount = 0;
    double quantity = 1;
    QString doctor{};
    QString patientType{};
    QString transDate{};
    QString user{};
    QString nurseRequestNum{};
    QString formType{};
    int readerFee = 0;
    char status = 'X';
    QString resultDate{};
};

// Statements that run once per generated row, prepared once.
struct Inserts {
    explicit Inserts(QSqlDatabase& db)
        : master(db, insertSql(QStringLiteral("Clinical_Area.tbLaserMaster"),
                               {"RequestNum", "RefNum",          "HospNum",       "IdNum",
                                "ItemID",     "RevenueID",       "Amount",        "Quantity",
                                "DoctorID",   "DoctorName",      "PatientType",   "TransDate",
                                "UserID",     "NurseRequestNum", "FormType",      "ReaderFee",
                                "Remarks",    "Discount",        "RequestStatus", "ResultDate"}))
        , bill(db, insertSql(QStringLiteral("Billing.tbBillDailyBill"),
                             {"PatientType", "IdNum", "TransDate", "RefNum", "ItemID", "Amount",
                              "RevenueID", "UserID", "Quantity", "DepartmentID", "ChargeType",
                              "DoctorID", "DoctorName"}))
        , nurseLog(db, insertSql(QStringLiteral("Station.tbNurseLogBook"),
                                 {"HospNum", "IdNum", "PatientType", "RevenueID", "ItemID",
                                  "Description", "Quantity", "Amount", "RequestNum", "ReferenceNum",
                                  "TransDate", "RequestBy", "RecordStatus", "ProcessBy",
                                  "ProcessDate", "ResultBy", "ResultDate"}))
        , nurseRequest(db, insertSql(QStringLiteral("Station.tbNurseCommunicationFile"),
                                     {"RequestNum", "IdNum", "HospNum", "PatientType", "RevenueID",
                                      "ItemID", "Quantity", "Amount", "Stat", "DoctorID",
                                      "StationID", "RoomID", "RequestDate", "RequestBy", "Remarks",
                                      "ReferenceNum", "RecordStatus"}))
        , stockCard(
              db, insertSql(QStringLiteral("Build_File.tbInvStockCard"),
                            {"HospNum",     "IdNum",         "ItemID",    "TransDate", "RefNum",
                             "Quantity",    "IsReturn",      "Amount",    "UserID",    "Frequency",
                             "RequestedBy", "LocationID",    "Remarks",   "RoomID",    "IsFree",
                             "StoreID",     "ChargeStoreID", "RevenueID", "LotNo",     "ExpiryDate",
                             "RequestNum"}))
        , logBook(db,
                  insertSql(QStringLiteral("Clinical_Area.tbLaserLogBook"),
                            {"RequestNum", "HospNum", "IdNum", "ItemID", "TransDate", "ResultDate",
                             "PatientType", "UserID", "DoctorID", "FormType", "ReaderID"}))
        , visual(db, insertSql(QStringLiteral("Clinical_Area.tbLaserVisual"),
                               {"RefNum", "IdNum", "ResultDate", "Indication", "OD", "OS",
                                "Impression", "Interpretation", "UserID"}))
        , angiography(db, insertSql(QStringLiteral("Clinical_Area.tbLaserAngiography"),
                                    {"RefNum", "IdNum", "ResultDate", "OU1", "OU2", "Assessment",
                                     "Suggestion", "UserID"}))
        , treatment(db, insertSql(QStringLiteral("Clinical_Area.tbLaserTreatment"),
                                  {"IdNum", "HospNum", "RefNum", "ItemID", "SessionNum", "ExamID",
                                   "Amount", "Diagnosis", "Remarks", "UserID", "PostedDate"}))
        , cashAssessment(db, insertSql(QStringLiteral("Billing.tbCashAssessment"),
                                       {"RequestNum", "RefNum", "IdNum", "HospNum", "Name",
                                        "TransDate", "ItemID", "RevenueID", "DepartmentID",
                                        "Amount", "Quantity", "UserID", "ORNumber", "ORDate",
                                        "RecordStatus", "RevokedBy", "RevokedDate", "Served"}))
        , cashReceipt(db, insertSql(QStringLiteral("Billing.tbCashOR"),
                                    {"ORNumber", "ORDate", "HospNum", "PaymentFrom", "Amount",
                                     "CashierID", "RecordStatus"}))
    {}

    Statement master;
    Statement bill;
    Statement nurseLog;
    Statement nurseRequest;
    Statement stockCard;
    Statement logBook;
    Statement visual;
    Statement angiography;
    Statement treatment;
    Statement cashAssessment;
    Statement cashReceipt;
};

// One line of a cash assessment: item, revenue code and charging department, amount, quantity.
struct AssessedLine {
    QString item;
    QString revenue;
    QString department;
    double amount;
    double quantity;
};

class Generator {
public:
    Generator(QSqlDatabase& db, const Sizes& sizes)
        : db_(db)
        , sizes_(sizes)
        , rows_(db)
        , now_(stampAt(QDate(2026, 12, 11), 10, 30))
        , historyStart_(now_ - sizes.historyDays * day)
    {}

    void run()
    {
        hospitalInfo();
        masterFiles();
        employees();
        registeredPatients();
        cashPatients();
        admissions();
        visits();
        history();
        nurseRequests();
        outPatientRequests();
        dischargeNotices();
        cashAssessments();
        lateCharges();
        userLogs();
        counters();
    }

private:
    // Request master lines written by the late charges, outside the history.
    static constexpr int lateChargeLines = 2;
    static constexpr int todaysVisits = 12;

    void hospitalInfo();
    void masterFiles();
    void employees();
    void registeredPatients();
    void cashPatients();
    void admissions();
    void visits();
    void history();
    void chargeSave(int encounter, Stamp time, int lineCount);
    void cashSave(int encounter, Stamp time, int lineCount);
    void result(const QString& requestNum, const Encounter& e, const Exam& exam, Stamp charged,
                Stamp resulted, const QString& user, const QString& requestingDoctor,
                const QString& patientType);
    void treatmentSessions(Encounter& e, const QString& refNum, const Exam& exam, Stamp charged);
    void addRequestLine(const RequestLine& line);
    Stamp resultTime(Stamp charged);
    void nurseRequests();
    void outPatientRequests();
    void dischargeNotices();
    void cashAssessments();
    void assess(const QString& idNum, const Person& person, Stamp at,
                const std::vector<AssessedLine>& lines, const QString& orNumber, Stamp paid,
                Stamp revoked);
    void lateCharges();
    void userLogs();
    void counters();

    Person randomPerson();
    std::vector<int> takeRoles(int count);
    const Person& personOf(const Encounter& e) const
    {
        return e.kind == 'W' ? cashPatients_[static_cast<std::size_t>(e.person)]
                             : patients_[static_cast<std::size_t>(e.person)];
    }
    const QString& staff()
    {
        return employeeCodes_[static_cast<std::size_t>(random_.below(laserStaff))];
    }
    int eyeDoctor() { return random_.below(eyeDoctors); }
    const Doctor& doctor(int index) const { return doctors_[static_cast<std::size_t>(index)]; }
    const Exam& examFor(bool resultExamsOnly);
    const Exam& distinctExam(QStringList& used, bool resultExamsOnly);
    const Stock& distinctStock(QStringList& used, const std::vector<Stock>& stocks);
    double examPrice(const Encounter& e, const Exam& exam) const;
    QString roomOf(const Encounter& e) const
    {
        return e.room < 0 ? QStringLiteral("OPD") : rooms_[static_cast<std::size_t>(e.room)].id;
    }
    QString stationOf(const Encounter& e) const
    {
        return e.room < 0 ? QStringLiteral("OPD")
                          : rooms_[static_cast<std::size_t>(e.room)].station;
    }
    bool holidayRate(Stamp time) const;
    Stamp officeTime(Stamp from, Stamp to);
    Stamp clinicHours(Stamp from, Stamp to);
    QString ageAt(const Person& person, Stamp time) const
    {
        return QString::number(yearsBetween(person.birth, dateOf(time)));
    }
    QString text(Stamp time) const { return calendar_.text(time); }
    QString nextOR() { return QStringLiteral("OR") + padded(nextOR_++, 7); }

    QSqlDatabase& db_;
    Sizes sizes_;
    Inserts rows_;
    Random random_;
    Calendar calendar_;
    const Stamp now_;
    const Stamp historyStart_;
    const QString empty_ = QStringLiteral("");

    std::vector<Doctor> doctors_;
    std::vector<QString> accounts_;
    std::vector<Room> rooms_;
    std::vector<Exam> exams_;
    std::vector<Stock> medicines_;
    std::vector<Stock> supplies_;
    std::vector<QString> employeeCodes_;
    std::vector<bool> holidays_;
    std::vector<Person> patients_;
    std::vector<Person> cashPatients_;
    // Walk-in days first, then admissions, then out-patient visits.
    std::vector<Encounter> encounters_;
    int admissionsEnd_ = 0;
    int visitsEnd_ = 0;

    // The morning's open work, as encounter indices.
    std::vector<int> rolePool_;
    std::vector<int> noticeAdmissions_;
    std::vector<int> nurseRequestEncounters_;
    std::vector<int> cashBasisAdmissions_;
    std::vector<int> lateChargeAdmissions_;
    std::vector<int> printingVisits_;
    int openAssessmentVisit_ = -1;
    std::vector<CashSale> recentCashSales_;

    qint64 nextChargeSlip_ = 240001;
    qint64 nextRequestNum_ = 1000001;
    qint64 lastAssessment_ = 30000;
    qint64 lastCashRequest_ = 70000;
    qint64 nextAdvice_ = 101;
    qint64 nextOR_ = 412001;
    qint64 nextNurseRequest_ = 4000001;
    qint64 nextCardioSlip_ = 50001;
    qint64 nextCardioRequest_ = 8000001;
    qint64 nextOpdRequest_ = 7100001;
    qint64 nextInvoice_ = 26000001;
};
bool Generator::holidayRate(Stamp time) const
{
    const int hours = hourOf(time);
    const auto dayIndex = static_cast<std::size_t>(time / day);
    return hours < 8 || hours >= 17 || dateOf(time).dayOfWeek() == Qt::Sunday ||
           (dayIndex < holidays_.size() && holidays_[dayIndex]);
}

// A moment between `from` and `to`, mostly in office hours like the department's own work.
Stamp Generator::officeTime(Stamp from, Stamp to)
{
    const Stamp time = from + random_.below64(std::max<Stamp>(to - from, 1));
    if (random_.percent(80)) {
        const Stamp moved = time / day * day + random_.between(8 * 60, 16 * 60 + 45) * minute;
        if (moved >= from && moved <= to)
            return moved;
    }
    return time;
}

// A moment between `from` and `to` while the clinics and the cashier are open (not on Sundays).
Stamp Generator::clinicHours(Stamp from, Stamp to)
{
    Stamp date = (from + random_.below64(std::max<Stamp>(to - from, 1))) / day * day;
    if (dateOf(date).dayOfWeek() == Qt::Sunday)
        date += date + day <= to ? day : -day;
    return std::clamp(date + random_.between(7 * 60 + 30, 16 * 60 + 30) * minute, from, to);
}

const Exam& Generator::examFor(bool resultExamsOnly)
{
    // Visual fields and angiographies are the department's daily bread.
    if (resultExamsOnly || random_.percent(25))
        return exams_[static_cast<std::size_t>(random_.below(7))];
    return random_.pick(exams_);
}

// An item not yet on `used`, which then takes it; a save or request names an item once.
const Exam& Generator::distinctExam(QStringList& used, bool resultExamsOnly)
{
    const Exam* exam = &examFor(resultExamsOnly);
    for (int attempt = 0; used.contains(exam->code) && attempt < 8; ++attempt)
        exam = &examFor(resultExamsOnly);
    used << exam->code;
    return *exam;
}

const Stock& Generator::distinctStock(QStringList& used, const std::vector<Stock>& stocks)
{
    const Stock* stock = &random_.pick(stocks);
    for (int attempt = 0; used.contains(stock->code) && attempt < 8; ++attempt)
        stock = &random_.pick(stocks);
    used << stock->code;
    return *stock;
}

double Generator::examPrice(const Encounter& e, const Exam& exam) const
{
    if (e.kind == 'I')
        return exam
            .rates[static_cast<std::size_t>(rooms_[static_cast<std::size_t>(e.room)].roomClass)];
    return e.visitType == 'C' ? exam.rates[1] : exam.rates[0];
}

Person Generator::randomPerson()
{
    Person person;
    person.sex = random_.percent(54) ? QStringLiteral("F") : QStringLiteral("M");
    person.last = QString::fromUtf8(random_.pick(lastNames));
    person.first =
        QString::fromUtf8(person.sex == u"F" ? random_.pick(femaleNames) : random_.pick(maleNames));
    do {
        person.middle = QString::fromUtf8(random_.pick(lastNames));
    } while (person.middle == person.last);
    // Eye patients are mostly adults past forty.
    const int age = random_.percent(12)   ? random_.between(3, 19)
                    : random_.percent(70) ? random_.between(40, 88)
                                          : random_.between(20, 39);
    person.birth = QDate(2026, 12, 11).addYears(-age).addDays(-random_.below(365));
    return person;
}

void Generator::hospitalInfo()
{
    Statement(db_, insertSql(QStringLiteral("Patient_Data.tbHospitalInfo"),
                             {"Company", "Address1", "Address2", "Telephone", "MtsServerName",
                              "OPDPassword"}))
        .run({QStringLiteral("SAN ISIDRO VALLEY MEDICAL CENTER"),
              QStringLiteral("88 KALAYAAN AVENUE, DILIMAN, QUEZON CITY"),
              QStringLiteral("METRO MANILA, PHILIPPINES"), QStringLiteral("(02) 8555-0188"),
              QStringLiteral("SIVMC-MTS01"), QStringLiteral("LASER")});
}

void Generator::masterFiles()
{
    Statement company(db_, insertSql(QStringLiteral("Build_File.tbCoCompany"),
                                     {"AccountNum", "Company", "AccountType", "Address",
                                      "Telephone", "ContactPerson", "CreditLimit", "Active"}));
    for (const CompanyData& data : companyData) {
        company.run({QString::fromUtf8(data.account), QString::fromUtf8(data.name),
                     QString::fromUtf8(data.type), QString::fromUtf8(data.address),
                     QStringLiteral("(02) 8%1-%2")
                         .arg(random_.between(100, 999))
                         .arg(random_.between(1000, 9999)),
                     QStringLiteral("ACCOUNTS DEPARTMENT"), 500000.0, QStringLiteral("Y")});
        accounts_.push_back(QString::fromUtf8(data.account));
    }

    Statement station(db_, insertSql(QStringLiteral("Build_File.tbCoStation"),
                                     {"StationID", "Station", "Telephone"}));
    for (const StationData& data : stationData)
        station.run({QString::fromUtf8(data.id), QString::fromUtf8(data.name),
                     QString::fromUtf8(data.phone)});

    Statement roomClass(db_, insertSql(QStringLiteral("Build_File.tbCoRoomClass"),
                                       {"RoomClassID", "RoomClass", "RoomRate"}));
    for (const RoomClassData& data : roomClassData)
        roomClass.run({QString::fromUtf8(data.id), QString::fromUtf8(data.name), data.rate});

    Statement room(
        db_, insertSql(QStringLiteral("Build_File.tbCoroom"),
                       {"RoomID", "RoomClassID", "StationID", "Beds", "Telephone", "Active"}));
    for (const RoomRange& range : roomRanges) {
        for (int i = 0; i < range.count; ++i) {
            const QString id = QString::number(range.first + i);
            room.run({id, QString::fromUtf8(roomClassData[range.roomClass].id),
                      QString::fromUtf8(range.station), range.beds, QStringLiteral("3") + id,
                      QStringLiteral("Y")});
            rooms_.push_back({id, range.roomClass, QString::fromUtf8(range.station), range.beds});
        }
    }

    Statement doctor(db_, insertSql(QStringLiteral("Build_File.tbCoDoctor"),
                                    {"DoctorID", "LastName", "FirstName", "MiddleName",
                                     "Specialization", "Telephone", "Active"}));
    for (const DoctorData& data : doctorData) {
        doctor.run({QString::fromUtf8(data.id), QString::fromUtf8(data.last),
                    QString::fromUtf8(data.first), QString::fromUtf8(data.middle),
                    QString::fromUtf8(data.specialization),
                    QStringLiteral("0917%1").arg(random_.between(1000000, 9999999)),
                    QStringLiteral("Y")});
        doctors_.push_back({QString::fromUtf8(data.id), QString::fromUtf8(data.last),
                            QString::fromUtf8(data.first), QString::fromUtf8(data.middle)});
    }

    Statement package(db_, insertSql(QStringLiteral("Build_File.tbCoPackage"),
                                     {"PackageID", "Package", "Amount"}));
    package.run({QStringLiteral("PK01"), QStringLiteral("EXECUTIVE CHECK-UP - BASIC"), 12500.0});
    package.run(
        {QStringLiteral("PK02"), QStringLiteral("EXECUTIVE CHECK-UP - COMPREHENSIVE"), 28500.0});
    package.run(
        {QStringLiteral("PK03"), QStringLiteral("EXECUTIVE CHECK-UP - EYE AND HEART"), 21000.0});

    Statement civilStatus(db_, insertSql(QStringLiteral("Build_File.tbCoCivilStatus"),
                                         {"CivilStatusID", "CivilStatus"}));
    for (const auto& data : civilStatusData)
        civilStatus.run({QString::fromUtf8(data[0]), QString::fromUtf8(data[1])});

    Statement zip(
        db_, insertSql(QStringLiteral("Build_File.tbCoZipCode"), {"ZipCode", "Town", "Province"}));
    for (const ZipData& data : zipData)
        zip.run({QString::fromUtf8(data.zip), QString::fromUtf8(data.town),
                 QString::fromUtf8(data.province)});

    Statement revenue(db_, insertSql(QStringLiteral("Build_File.tbcorevenuecode"),
                                     {"RevenueID", "Revenue", "LRActive", "Active"}));
    for (const RevenueData& data : revenueData)
        revenue.run({QString::fromUtf8(data.id), QString::fromUtf8(data.name),
                     QString::fromUtf8(data.lrActive), QStringLiteral("Y")});

    Statement item(
        db_, insertSql(QStringLiteral("Build_File.tbcoOtherRevenue"),
                       {"OtherRevenueID", "OtherRevenue", "OtherSectionID", "RateA", "RateB",
                        "RateC", "RateD", "RateE", "FormType", "OLExam", "FixRate", "Active"}));
    for (const ExamData& data : examData) {
        Exam exam{QString::fromUtf8(data.code),
                  QString::fromUtf8(data.name),
                  {},
                  QString::fromUtf8(data.formType),
                  data.olExam};
        for (std::size_t i = 0; i < exam.rates.size(); ++i)
            exam.rates[i] = std::round(data.rate * classShare[i] / 10.0) * 10.0;
        item.run({exam.code, exam.name, QStringLiteral("LR"), exam.rates[0], exam.rates[1],
                  exam.rates[2], exam.rates[3], exam.rates[4], exam.formType,
                  data.olExam ? QStringLiteral("Y") : QStringLiteral("N"),
                  data.fixRate ? QStringLiteral("Y") : QStringLiteral("N"), QStringLiteral("Y")});
        exams_.push_back(exam);
    }
    for (const OtherItemData& data : otherItemData)
        item.run({QString::fromUtf8(data.code), QString::fromUtf8(data.name),
                  QString::fromUtf8(data.section), data.rate, data.rate, data.rate, data.rate,
                  data.rate, QString(), QStringLiteral("N"), QStringLiteral("N"),
                  QStringLiteral("Y")});

    holidays_.assign(static_cast<std::size_t>(stampAt(QDate(2029, 1, 1), 0) / day), false);
    Statement holiday(db_, insertSql(QStringLiteral("Build_File.tbcoHolidays"),
                                     {"HolidayDate", "Holiday", "isFixed"}));
    for (const HolidayData& data : holidayData) {
        const QDate date(data.year, data.month, data.dayOfMonth);
        holiday.run({calendar_.dateText(date), QString::fromUtf8(data.name),
                     QString::fromUtf8(data.fixed)});
        holidays_[static_cast<std::size_t>(stampAt(date, 0) / day)] = true;
    }

    Statement location(db_, insertSql(QStringLiteral("Build_File.tbInvLocation"),
                                      {"LocationID", "Location", "StoreID"}));
    location.run({QStringLiteral("161"), QStringLiteral("PHARMACY - MAIN"), QStringLiteral("PH")});
    location.run(
        {QStringLiteral("28"), QStringLiteral("CENTRAL SUPPLY ROOM"), QStringLiteral("CS")});
    location.run(
        {QStringLiteral("32"), QStringLiteral("CSR SATELLITE - EYE CENTER"), QStringLiteral("CS")});
    location.run(
        {QStringLiteral("68"), QStringLiteral("HEART STATION STOCK ROOM"), QStringLiteral("CS")});
    location.run(
        {QStringLiteral("197"), QStringLiteral("PHARMACY - LATE CHARGES"), QStringLiteral("PH")});

    Statement master(
        db_, insertSql(QStringLiteral("Build_File.tbInvMaster"),
                       {"ItemID", "DrugName", "GenericName", "Unit", "ItemType", "Active"}));
    Statement stock(db_, insertSql(QStringLiteral("Build_File.tbInvent"),
                                   {"LocationID", "ItemID", "SellingPriceIn", "SellingPriceOut",
                                    "UnitCost", "OnHand", "ReorderLevel"}));
    const auto addStock = [&](const StockData& data, const QString& type,
                              std::vector<Stock>& list) {
        const QString code = QString::fromUtf8(data.code);
        const double priceIn = cents(data.priceOut * 1.12);
        master.run({code, QString::fromUtf8(data.name), QString::fromUtf8(data.generic),
                    QString::fromUtf8(data.unit), type, QStringLiteral("Y")});
        const QString home = type == u"M" ? QStringLiteral("161") : QStringLiteral("28");
        stock.run({home, code, priceIn, data.priceOut, cents(data.priceOut * 0.7),
                   double(random_.between(40, 600)), 20.0});
        if (type == u"S" && random_.percent(60))
            stock.run({QStringLiteral("32"), code, priceIn, data.priceOut,
                       cents(data.priceOut * 0.7), double(random_.between(10, 120)), 10.0});
        list.push_back({code, priceIn, data.priceOut});
    };
    for (const StockData& data : medicineData)
        addStock(data, QStringLiteral("M"), medicines_);
    for (const StockData& data : supplyData)
        addStock(data, QStringLiteral("S"), supplies_);
}

void Generator::employees()
{
    Statement employee(
        db_, insertSql(QStringLiteral("Password.tbEmployee"),
                       {"EmployeeCode", "LastName", "FirstName", "MiddleName", "EmployeeName",
                        "DeptCode", "Position", "PasswordHash", "Active", "DateCreated"}));
    for (const EmployeeData& data : employeeData) {
        QByteArray salt(16, '\0');
        for (char& byte : salt)
            byte = static_cast<char>(random_.below(256));
        employee.run({QString::fromUtf8(data.code), QString::fromUtf8(data.last),
                      QString::fromUtf8(data.first), QString::fromUtf8(data.middle),
                      QString::fromUtf8(data.displayName), QString::fromUtf8(data.dept),
                      QString::fromUtf8(data.position),
                      PasswordHash::make(QString::fromUtf8(data.password), salt),
                      QStringLiteral("Y"), calendar_.dateText(QDate(2019, 6, 3))});
        employeeCodes_.push_back(QString::fromUtf8(data.code));
    }
}

void Generator::registeredPatients()
{
    Statement master(db_, insertSql(QStringLiteral("Patient_Data.tbMaster"),
                                    {"HospNum", "LastName", "FirstName", "MiddleName", "Sex",
                                     "BirthDate", "CivilStatusID", "HouseStreet", "Barangay",
                                     "ZipCode", "Telephone", "Occupation", "EmployerName",
                                     "EmployerAddress", "SeniorCitizen", "RegDate", "UserID"}));
    const qint64 registrationDays = QDate(2010, 1, 1).daysTo(dateOf(historyStart_));
    patients_.reserve(static_cast<std::size_t>(sizes_.registeredPatients));
    for (int i = 0; i < sizes_.registeredPatients; ++i) {
        Person person;
        if (i < sizeOf(featuredPatients)) {
            const FeaturedData& data = featuredPatients[i];
            person = {QString(),
                      QString::fromUtf8(data.last),
                      QString::fromUtf8(data.first),
                      QString::fromUtf8(data.middle),
                      QString::fromUtf8(data.sex),
                      QDate(data.birthYear, 1 + i, 10 + i)};
        } else {
            person = randomPerson();
        }
        person.hospNum = padded(100000 + i, 8);
        const int age = yearsBetween(person.birth, QDate(2026, 12, 11));
        const ZipData& zip = random_.pick(zipData);
        const bool employed = age >= 22 && age < 65 && random_.percent(55);
        const CompanyData& employer = random_.pick(companyData);
        const char* civil = age < 22              ? "S"
                            : random_.percent(65) ? "M"
                            : random_.percent(50) ? "S"
                            : random_.percent(70) ? "W"
                                                  : "X";
        master.run(
            {person.hospNum, person.last, person.first, orNull(person.middle), person.sex,
             calendar_.dateText(person.birth), QString::fromUtf8(civil),
             QStringLiteral("%1 %2")
                 .arg(random_.between(1, 999))
                 .arg(QString::fromUtf8(random_.pick(streets))),
             QString::fromUtf8(random_.pick(barangays)), QString::fromUtf8(zip.zip),
             QStringLiteral("09%1%2")
                 .arg(random_.between(10, 99))
                 .arg(padded(random_.below(10000000), 7)),
             QString::fromUtf8(age < 19    ? "STUDENT"
                               : age >= 65 ? "RETIRED"
                                           : random_.pick(occupations)),
             employed ? QVariant(QString::fromUtf8(employer.name)) : QVariant(),
             employed ? QVariant(QString::fromUtf8(employer.address)) : QVariant(),
             age >= 60 ? 1 : 0,
             calendar_.dateText(QDate(2010, 1, 1).addDays(random_.below64(registrationDays))),
             staff()});
        patients_.push_back(std::move(person));
    }
}

void Generator::cashPatients()
{
    std::vector<Stamp> registered;
    for (int i = 0; i < sizes_.cashPatients; ++i)
        registered.push_back(clinicHours(historyStart_, now_ - 2 * hour));
    std::sort(registered.begin(), registered.end());

    Statement cash(db_, insertSql(QStringLiteral("Patient_Data.tbCashPatient"),
                                  {"HospNum", "LastName", "FirstName", "MiddleName", "HouseStreet",
                                   "Barangay", "ZipCode", "Sex", "BirthDate", "CivilStatusID",
                                   "Age", "RegDate", "UserID"}));
    for (int i = 0; i < sizes_.cashPatients; ++i) {
        Person person;
        const int featured = i - (sizes_.cashPatients - sizeOf(featuredCashPatients));
        if (featured >= 0) {
            const FeaturedData& data = featuredCashPatients[featured];
            person = {QString(),
                      QString::fromUtf8(data.last),
                      QString::fromUtf8(data.first),
                      QString::fromUtf8(data.middle),
                      QString::fromUtf8(data.sex),
                      QDate(data.birthYear, 3, 14)};
        } else {
            person = randomPerson();
        }
        person.hospNum = QStringLiteral("T") + QString::number(500001 + i);
        const Stamp time = registered[static_cast<std::size_t>(i)];
        const ZipData& zip = random_.pick(zipData);
        cash.run({person.hospNum, person.last, person.first, orNull(person.middle),
                  QStringLiteral("%1 %2")
                      .arg(random_.between(1, 999))
                      .arg(QString::fromUtf8(random_.pick(streets))),
                  QString::fromUtf8(random_.pick(barangays)), QString::fromUtf8(zip.zip),
                  person.sex, calendar_.dateText(person.birth),
                  random_.percent(60) ? QStringLiteral("M") : QStringLiteral("S"),
                  ageAt(person, time), text(time), staff()});

        Encounter e;
        e.kind = 'W';
        e.idNum = person.hospNum;
        e.person = i;
        e.account = person.hospNum;
        e.doctor = eyeDoctor();
        e.start = time;
        e.chargeEnd = std::min(time + 3 * hour, now_ - 5 * minute);
        e.featured = featured >= 0;
        cashPatients_.push_back(std::move(person));
        encounters_.push_back(e);
    }
}

void Generator::admissions()
{
    std::vector<Encounter> list;
    for (int i = 0; i < sizes_.pastAdmissions; ++i) {
        Encounter e;
        e.start = historyStart_ + random_.below64(sizes_.historyDays * day - 3 * day);
        e.discharge =
            std::min(e.start + random_.between(1, 10) * day + random_.between(1, 20) * hour,
                     now_ - 3 * hour);
        e.billing = std::max(e.discharge - random_.between(1, 4) * hour, e.start + hour);
        e.chargeEnd = e.billing - 10 * minute;
        e.room = random_.below(sizeOf(rooms_));
        list.push_back(e);
    }
    int featured = 0;
    const int featuredAdmissions[] = {0, 2, 3};
    for (int r = 0; r < sizeOf(rooms_); ++r) {
        for (int bed = 0; bed < rooms_[static_cast<std::size_t>(r)].beds; ++bed) {
            if (!random_.percent(75))
                continue;
            Encounter e;
            e.start = now_ - 2 * hour - random_.below64(12 * day);
            e.chargeEnd = now_ - 5 * minute;
            e.room = r;
            if (featured < sizeOf(featuredAdmissions)) {
                e.person = featuredAdmissions[featured++];
                e.featured = true;
            } else {
                e.person = -1;
            }
            list.push_back(e);
        }
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const Encounter& a, const Encounter& b) { return a.start < b.start; });

    const int first = sizeOf(encounters_);
    for (std::size_t i = 0; i < list.size(); ++i) {
        Encounter& e = list[i];
        e.kind = 'I';
        e.idNum = QString::number(400001 + static_cast<qint64>(i));
        if (!e.featured)
            e.person = sizeOf(featuredPatients) +
                       random_.below(sizes_.registeredPatients - sizeOf(featuredPatients));
        e.doctor = random_.percent(55) ? eyeDoctor() : random_.below(sizeOf(doctors_));
        e.account = random_.percent(45) ? random_.pick(accounts_)
                                        : patients_[static_cast<std::size_t>(e.person)].hospNum;
        encounters_.push_back(e);
    }
    admissionsEnd_ = sizeOf(encounters_);

    // The morning's roles go to current admissions other than the featured patients.
    for (int i = first; i < admissionsEnd_; ++i)
        if (encounters_[static_cast<std::size_t>(i)].discharge < 0 &&
            !encounters_[static_cast<std::size_t>(i)].featured)
            rolePool_.push_back(i);
    for (std::size_t i = rolePool_.size(); i > 1; --i)
        std::swap(rolePool_[i - 1], rolePool_[static_cast<std::size_t>(random_.below(int(i)))]);
    std::vector<int> billed = takeRoles(4);
    cashBasisAdmissions_ = takeRoles(4);
    noticeAdmissions_ = takeRoles(6);
    nurseRequestEncounters_ = takeRoles(4);
    nurseRequestEncounters_.push_back(noticeAdmissions_[2]); // cannot be cleared yet
    std::vector<int> packages = takeRoles(2);
    for (int i : billed) {
        Encounter& e = encounters_[static_cast<std::size_t>(i)];
        e.billing = std::max(e.start + 30 * minute, now_ - random_.between(1, 5) * hour);
        e.chargeEnd = e.billing - 10 * minute;
    }
    // The most recently discharged take late charges (receivable entry).
    for (int i = admissionsEnd_ - 1; i >= first && lateChargeAdmissions_.size() < 2; --i)
        if (encounters_[static_cast<std::size_t>(i)].discharge >= 0)
            lateChargeAdmissions_.push_back(i);

    Statement admission(db_,
                        insertSql(QStringLiteral("Patient_Data.tbPatient"),
                                  {"IdNum", "HospNum", "AdmDate", "DcrDate", "BillingDate", "Age",
                                   "RoomID", "AccountNum", "AttendingDr1", "AttendingDr2",
                                   "AdmType", "Diagnosis", "PackageID", "LateCharges", "UserID"}));
    Statement more(
        db_, insertSql(QStringLiteral("Patient_Data.tbPatient2"),
                       {"IdNum", "OkeyLR", "OkeyHS", "OkeyLB", "OkeyXR", "Weight", "Height"}));
    for (int i = first; i < admissionsEnd_; ++i) {
        const Encounter& e = encounters_[static_cast<std::size_t>(i)];
        const Person& person = personOf(e);
        const bool current = e.discharge < 0;
        const bool lateCharge =
            std::find(lateChargeAdmissions_.begin(), lateChargeAdmissions_.end(), i) !=
            lateChargeAdmissions_.end();
        const bool package = std::find(packages.begin(), packages.end(), i) != packages.end();
        const bool cashBasis = std::find(cashBasisAdmissions_.begin(), cashBasisAdmissions_.end(),
                                         i) != cashBasisAdmissions_.end();
        admission.run(
            {e.idNum, person.hospNum, text(e.start),
             current ? QVariant() : QVariant(text(e.discharge)),
             e.billing < 0 ? QVariant() : QVariant(text(e.billing)), ageAt(person, e.start),
             rooms_[static_cast<std::size_t>(e.room)].id, e.account,
             doctors_[static_cast<std::size_t>(e.doctor)].id,
             random_.percent(30) ? QVariant(doctors_[static_cast<std::size_t>(eyeDoctor())].id)
                                 : QVariant(),
             random_.percent(40) ? QStringLiteral("E") : QStringLiteral("R"),
             QString::fromUtf8(random_.pick(diagnoses)),
             package
                 ? QVariant(random_.percent(50) ? QStringLiteral("PK01") : QStringLiteral("PK03"))
                 : QVariant(),
             current || lateCharge || random_.percent(20) ? 1 : 0, QStringLiteral("ADM01")});
        more.run({e.idNum, cashBasis ? 1 : 0, 0, 0, random_.percent(5) ? 1 : 0,
                  double(random_.between(42, 98)), double(random_.between(145, 185))});
    }
}

std::vector<int> Generator::takeRoles(int count)
{
    if (sizeOf(rolePool_) < count)
        throw std::runtime_error("too few current admissions for the morning's open work");
    std::vector<int> taken(rolePool_.end() - count, rolePool_.end());
    rolePool_.resize(rolePool_.size() - static_cast<std::size_t>(count));
    return taken;
}

void Generator::visits()
{
    std::vector<Encounter> list;
    for (int i = 0; i < sizes_.visits; ++i) {
        Encounter e;
        e.kind = 'O';
        if (i < todaysVisits)
            e.start = stampAt(QDate(2026, 12, 11), 7, 30) + random_.below64(2 * hour + 30 * minute);
        else
            e.start = clinicHours(historyStart_, now_ - day);
        list.push_back(e);
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const Encounter& a, const Encounter& b) { return a.start < b.start; });

    Statement visit(db_,
                    insertSql(QStringLiteral("Patient_Data.tbOutpatient"),
                              {"IdNum", "HospNum", "AdmDate", "DcrDate", "PatientType",
                               "AccountNum", "DoctorID1", "DoctorID2", "ClinicID", "Complaint",
                               "Age", "InvoiceNumber", "InvoiceDate", "LateCharges", "UserID"}));
    const int first = sizeOf(encounters_);
    const int firstToday = first + sizeOf(list) - todaysVisits;
    const int featuredVisits[] = {1, 4, 5};
    for (std::size_t i = 0; i < list.size(); ++i) {
        Encounter& e = list[i];
        const int index = first + static_cast<int>(i);
        const int todayIndex = index - firstToday;
        e.idNum = QStringLiteral("OP") + QString::number(1000001 + static_cast<qint64>(i));
        if (todayIndex >= 0 && todayIndex < sizeOf(featuredVisits)) {
            e.person = featuredVisits[todayIndex];
            e.featured = true;
        } else {
            e.person = sizeOf(featuredPatients) +
                       random_.below(sizes_.registeredPatients - sizeOf(featuredPatients));
        }
        const Person& person = patients_[static_cast<std::size_t>(e.person)];
        // The fourth visit of the day is a walk-in on a personal account.
        const int type = random_.below(100);
        e.visitType = todayIndex == 3 ? 'W' : type < 20 ? 'C' : type < 30 ? 'W' : 'O';
        e.account = e.visitType == 'C' || (e.visitType == 'O' && random_.percent(30))
                        ? random_.pick(accounts_)
                        : person.hospNum;
        e.doctor = random_.percent(90) ? eyeDoctor() : random_.below(sizeOf(doctors_));
        e.chargeEnd = std::min(e.start + 5 * hour, now_ - 5 * minute);
        const Stamp done = e.start + random_.between(60, 240) * minute;
        const bool invoiced = e.start < now_ - day && random_.percent(95);
        const Stamp invoiceTime = e.start + random_.between(5, 20) * hour;
        visit.run({e.idNum, person.hospNum, text(e.start),
                   done < now_ ? QVariant(text(done)) : QVariant(),
                   QString(QLatin1Char(e.visitType)), e.account,
                   doctors_[static_cast<std::size_t>(e.doctor)].id, QVariant(),
                   random_.percent(85) ? QStringLiteral("EYE") : QStringLiteral("IM"),
                   QString::fromUtf8(random_.pick(complaints)), ageAt(person, e.start),
                   invoiced ? QVariant(QStringLiteral("SI") + QString::number(nextInvoice_++))
                            : QVariant(),
                   invoiced ? QVariant(text(invoiceTime)) : QVariant(),
                   invoiced && random_.percent(10) ? 1 : 0, QStringLiteral("OPD01")});
        encounters_.push_back(e);
        if (todayIndex >= 4 && todayIndex < 7)
            nurseRequestEncounters_.push_back(index);
        else if (todayIndex >= 7 && todayIndex < 11)
            printingVisits_.push_back(index);
        else if (todayIndex == 11)
            openAssessmentVisit_ = index;
    }
    visitsEnd_ = sizeOf(encounters_);
}

// Saves of the past, in the order they happened: one reference number per save, one request
// number per line, each line with the records its save wrote beside the request master.
void Generator::history()
{
    struct Save {
        Stamp time;
        int encounter;
        int lines;
    };
    const int target = sizes_.requestLines - lateChargeLines;
    const int walkIns = sizes_.cashPatients;
    const int admissionCount = admissionsEnd_ - walkIns;
    const int visitCount = visitsEnd_ - admissionsEnd_;
    const qint64 admissionWeight = qint64(admissionCount) * 30;
    const qint64 visitWeight = qint64(visitCount) * 13;
    const qint64 walkInWeight = qint64(walkIns) * 11;

    std::vector<Save> saves;
    saves.reserve(static_cast<std::size_t>(target));
    int lines = 0;
    while (lines < target) {
        const qint64 roll = random_.below64(admissionWeight + visitWeight + walkInWeight);
        const int encounter = roll < admissionWeight ? walkIns + random_.below(admissionCount)
                              : roll < admissionWeight + visitWeight
                                  ? admissionsEnd_ + random_.below(visitCount)
                                  : random_.below(walkIns);
        const Encounter& e = encounters_[static_cast<std::size_t>(encounter)];
        if (e.chargeEnd <= e.start + 10 * minute)
            continue;
        const int roll3 = random_.below(10);
        const int count = std::min(roll3 < 6 ? 1 : roll3 < 9 ? 2 : 3, target - lines);
        const Stamp from = e.kind == 'W' ? e.start + 30 * minute : e.start + 10 * minute;
        saves.push_back({officeTime(std::min(from, e.chargeEnd), e.chargeEnd), encounter, count});
        lines += count;
    }
    std::stable_sort(saves.begin(), saves.end(), [](const Save& a, const Save& b) {
        return a.time != b.time ? a.time < b.time : a.encounter < b.encounter;
    });
    for (const Save& save : saves) {
        if (encounters_[static_cast<std::size_t>(save.encounter)].kind == 'W')
            cashSave(save.encounter, save.time, save.lines);
        else
            chargeSave(save.encounter, save.time, save.lines);
    }
}

void Generator::addRequestLine(const RequestLine& line)
{
    // The saves send empty texts, not nulls, for the parts a line leaves blank.
    const auto sent = [this](const QString& value) { return value.isNull() ? empty_ : value; };
    rows_.master.run({line.requestNum,
                      line.refNum,
                      line.hospNum,
                      line.idNum,
                      line.item,
                      line.revenue,
                      line.amount,
                      line.quantity,
                      line.doctor,
                      empty_,
                      line.patientType,
                      line.transDate,
                      line.user,
                      sent(line.nurseRequestNum),
                      sent(line.formType),
                      line.readerFee,
                      empty_,
                      0.0,
                      QString(QLatin1Char(line.status)),
                      orNull(line.resultDate)});
}

// When the result of an exam charged at `charged` was written: exams older than three days all
// have theirs, a third of the more recent ones too; -1 while it is awaited.
Stamp Generator::resultTime(Stamp charged)
{
    if (charged < now_ - 3 * day || (charged < now_ - 4 * hour && random_.percent(30)))
        return std::min(charged + random_.between(60, 48 * 60) * minute, now_ - 15 * minute);
    return -1;
}

void Generator::chargeSave(int encounter, Stamp time, int lineCount)
{
    Encounter& e = encounters_[static_cast<std::size_t>(encounter)];
    const Person& person = personOf(e);
    const QString type = e.kind == 'I' ? QStringLiteral("I") : QStringLiteral("O");
    const QString refNum = QStringLiteral("C%1E").arg(nextChargeSlip_++);
    const QString user = staff();
    const QString requestingDoctor = doctor(random_.percent(80) ? e.doctor : eyeDoctor()).id;
    const bool markUp = holidayRate(time);
    const bool fromNurse = random_.percent(6);
    const QString charged = text(time);

    // Lines in the order a clerk types them: medicines and supplies, fees, then procedures, so
    // that each procedure line carries its own form type.
    enum Kind { Medicine, Supply, Fee, Procedure };
    std::vector<Kind> kinds;
    for (int i = 0; i < lineCount; ++i) {
        const int roll = random_.below(100);
        kinds.push_back(fromNurse   ? Procedure
                        : roll < 14 ? Medicine
                        : roll < 26 ? Supply
                        : roll < 40 ? Fee
                                    : Procedure);
    }
    std::sort(kinds.begin(), kinds.end());

    QStringList items;
    for (const Kind kind : kinds) {
        const QString requestNum = QString::number(nextRequestNum_++);
        if (kind == Medicine || kind == Supply) {
            const Stock& stock = distinctStock(items, kind == Medicine ? medicines_ : supplies_);
            const double quantity =
                kind == Medicine ? random_.between(1, 2) : random_.between(1, 5);
            const double price = e.kind == 'I' ? stock.priceIn : stock.priceOut;
            const double amount = cents(price * quantity * (markUp ? 1.5 : 1.0));
            addRequestLine(
                {.requestNum = requestNum,
                 .refNum = refNum,
                 .hospNum = person.hospNum,
                 .idNum = e.idNum,
                 .item = stock.code,
                 .revenue = kind == Medicine ? QStringLiteral("LM") : QStringLiteral("LC"),
                 .amount = amount,
                 .quantity = quantity,
                 .doctor = requestingDoctor,
                 .patientType = type,
                 .transDate = charged,
                 .user = user,
                 .readerFee = 1});
            const QString store = kind == Medicine ? QStringLiteral("PH") : QStringLiteral("CS");
            rows_.stockCard.run({person.hospNum,
                                 e.idNum,
                                 stock.code,
                                 charged,
                                 refNum,
                                 quantity,
                                 0,
                                 amount,
                                 user,
                                 QStringLiteral("PRN"),
                                 user,
                                 kind == Medicine ? QStringLiteral("161") : QStringLiteral("28"),
                                 empty_,
                                 roomOf(e),
                                 0,
                                 store,
                                 store,
                                 e.kind == 'I' ? QStringLiteral("LR") : QStringLiteral("OL"),
                                 QVariant(),
                                 QVariant(),
                                 requestNum});
            continue;
        }

        const bool procedure = kind == Procedure;
        const Exam& exam = distinctExam(items, fromNurse);
        const Doctor& feeDoctor = doctor(eyeDoctor());
        const QString item = procedure ? exam.code : feeDoctor.id;
        const QString description = procedure ? exam.name : feeDoctor.listName();
        const QString revenue = procedure ? QStringLiteral("LR") : QStringLiteral("MD");
        const double quantity = procedure && exam.code == u"LR24" ? random_.between(1, 2) : 1;
        const double price = procedure ? examPrice(e, exam) : random_.pick(professionalFees);
        const double amount = cents(price * quantity * (markUp ? 1.5 : 1.0));

        const Stamp revoked = time + random_.between(10, 300) * minute;
        const bool revoke = random_.percent(3) && revoked <= e.chargeEnd && revoked < now_;
        const Stamp resulted = !revoke && procedure && exam.needsResult() ? resultTime(time) : -1;
        const char status = revoke ? 'R' : resulted >= 0 ? 'W' : 'X';
        const QString resultUser = staff();
        const QString nurseRequestNum =
            fromNurse ? QString::number(nextNurseRequest_++) : requestNum;
        addRequestLine({.requestNum = requestNum,
                        .refNum = refNum,
                        .hospNum = person.hospNum,
                        .idNum = e.idNum,
                        .item = item,
                        .revenue = revenue,
                        .amount = amount,
                        .quantity = quantity,
                        .doctor = requestingDoctor,
                        .patientType = type,
                        .transDate = charged,
                        .user = user,
                        .nurseRequestNum = nurseRequestNum,
                        .formType = procedure ? exam.formType : QString(),
                        .readerFee = procedure ? 0 : 1,
                        .status = status,
                        .resultDate = resulted < 0 ? QString() : text(resulted)});

        // A revoked fee line stays in the nurses' records; only procedure lines are withdrawn.
        const QString nurseStatus(QLatin1Char(status == 'R' && !procedure ? 'X' : status));
        const QVariant resultBy = status == 'W' ? QVariant(resultUser) : QVariant();
        const QVariant resultDate = status == 'W' ? QVariant(text(resulted)) : QVariant();
        if (fromNurse) {
            const Stamp requested = std::max(e.start, time - random_.between(20, 360) * minute);
            const QString nurse = QString::fromUtf8(random_.pick(wardNurses));
            rows_.nurseRequest.run(
                {nurseRequestNum, e.idNum, person.hospNum, type, QStringLiteral("LR"), item,
                 quantity, price, random_.percent(10) ? QStringLiteral("Y") : QStringLiteral("N"),
                 requestingDoctor, stationOf(e), roomOf(e), text(requested), nurse,
                 orNull(QString::fromUtf8(random_.pick(nurseRemarks))), refNum, nurseStatus});
            rows_.nurseLog.run({person.hospNum, e.idNum, type, QStringLiteral("LR"), item,
                                description, quantity, price, nurseRequestNum, refNum,
                                text(requested), nurse, nurseStatus, user, charged, resultBy,
                                resultDate});
        } else {
            rows_.nurseLog.run({person.hospNum, e.idNum, type, QStringLiteral("LR"), item,
                                description, quantity, amount, requestNum, refNum, charged, user,
                                nurseStatus, user, charged, resultBy, resultDate});
        }

        rows_.bill.run({type, e.idNum, charged, refNum, item, amount, revenue, user, quantity,
                        empty_, procedure ? QStringLiteral("D") : QStringLiteral("P"),
                        requestingDoctor, empty_});
        if (status == 'R')
            rows_.bill.run({type, e.idNum, text(revoked), refNum, item, -amount, revenue, staff(),
                            quantity, procedure ? empty_ : QStringLiteral("LR"),
                            procedure ? QStringLiteral("C") : QStringLiteral("P"), QVariant(),
                            QVariant()});
        if (status == 'W')
            result(requestNum, e, exam, time, resulted, resultUser, requestingDoctor, type);
        if (procedure && exam.olExam && status != 'R')
            treatmentSessions(e, refNum, exam, time);
    }
}

// A walk-in's visit to the cashier: assessed at the OPD rate, paid, then charged by the
// department under the receipt number.
void Generator::cashSave(int encounter, Stamp time, int lineCount)
{
    Encounter& e = encounters_[static_cast<std::size_t>(encounter)];
    const Person& person = personOf(e);
    const QString name = person.fullName();
    const QString assessment = QString::number(++lastAssessment_) + QStringLiteral("LR");
    const QString orNumber = nextOR();
    const Stamp assessed = std::max(e.start, time - random_.between(30, 90) * minute);
    const Stamp paid = assessed + (time - assessed) / 2;
    const QString assessor = staff();
    const QString user = staff();
    const QString requestingDoctor = doctor(e.doctor).id;
    const bool markUp = holidayRate(assessed);

    CashSale sale{orNumber, name, paid, {}};
    double total = 0;
    QStringList items;
    for (int i = 0; i < lineCount; ++i) {
        const Exam& exam = distinctExam(items, false);
        const double amount = cents(exam.rates[0] * (markUp ? 1.5 : 1.0));
        rows_.cashAssessment.run({QString::number(++lastCashRequest_) + QStringLiteral("LR"),
                                  assessment, person.hospNum, person.hospNum, name, text(assessed),
                                  exam.code, QStringLiteral("LR"), QStringLiteral("LR"), amount,
                                  1.0, assessor, orNumber, text(paid), QVariant(), QVariant(),
                                  QVariant(), QStringLiteral("Y")});
        total += amount;
        sale.lines.push_back({exam.code, amount, 1.0});

        const QString requestNum = QString::number(nextRequestNum_++);
        const Stamp resulted = exam.needsResult() ? resultTime(time) : -1;
        addRequestLine({.requestNum = requestNum,
                        .refNum = orNumber,
                        .hospNum = person.hospNum,
                        .idNum = person.hospNum,
                        .item = exam.code,
                        .revenue = QStringLiteral("LR"),
                        .amount = amount,
                        .quantity = 1,
                        .doctor = requestingDoctor,
                        .patientType = QStringLiteral("O"),
                        .transDate = text(time),
                        .user = user,
                        .formType = exam.formType,
                        .status = resulted < 0 ? 'X' : 'W',
                        .resultDate = resulted < 0 ? QString() : text(resulted)});
        if (resulted >= 0)
            result(requestNum, e, exam, time, resulted, staff(), requestingDoctor,
                   QStringLiteral("O"));
        if (exam.olExam)
            treatmentSessions(e, orNumber, exam, time);
    }
    rows_.cashReceipt.run({orNumber, text(paid), person.hospNum, name, cents(total),
                           QString::fromLatin1(cashierCode), QVariant()});
    recentCashSales_.push_back(std::move(sale));
    if (recentCashSales_.size() > 4)
        recentCashSales_.erase(recentCashSales_.begin());
}

void Generator::result(const QString& requestNum, const Encounter& e, const Exam& exam,
                       Stamp charged, Stamp resulted, const QString& user,
                       const QString& requestingDoctor, const QString& patientType)
{
    const QString when = text(resulted);
    rows_.logBook.run({requestNum, personOf(e).hospNum, e.idNum, exam.code, text(charged), when,
                       patientType, user, requestingDoctor, exam.formType, doctor(eyeDoctor()).id});
    if (exam.formType == u"A")
        rows_.visual.run({requestNum, e.idNum, when, QString::fromUtf8(random_.pick(indications)),
                          QString::fromUtf8(random_.pick(fieldFindings)),
                          QString::fromUtf8(random_.pick(fieldFindings)),
                          QString::fromUtf8(random_.pick(fieldImpressions)),
                          QString::fromUtf8(random_.pick(fieldInterpretations)), user});
    else
        rows_.angiography.run({requestNum, e.idNum, when,
                               QString::fromUtf8(random_.pick(photoFindings)),
                               QString::fromUtf8(random_.pick(angiographyFindings)),
                               QString::fromUtf8(random_.pick(angiographyAssessments)),
                               QString::fromUtf8(random_.pick(angiographySuggestions)), user});
}

void Generator::treatmentSessions(Encounter& e, const QString& refNum, const Exam& exam,
                                  Stamp charged)
{
    const int count = random_.between(1, e.kind == 'I' ? 3 : 2);
    Stamp posted = charged + random_.between(20, 120) * minute;
    for (int i = 0; i < count && posted < now_; ++i) {
        rows_.treatment.run({e.idNum, personOf(e).hospNum, refNum, exam.code, ++e.sessions,
                             exam.code, 0.0, QString::fromUtf8(random_.pick(treatmentDiagnoses)),
                             QString::fromUtf8(random_.pick(treatmentRemarks)), staff(),
                             text(posted)});
        posted += random_.between(1, 14) * day;
    }
}

// Exams the wards and clinics asked for this morning, not yet charged.
void Generator::nurseRequests()
{
    for (std::size_t n = 0; n < nurseRequestEncounters_.size(); ++n) {
        const Encounter& e = encounters_[static_cast<std::size_t>(nurseRequestEncounters_[n])];
        const Person& person = personOf(e);
        const QString type = e.kind == 'I' ? QStringLiteral("I") : QStringLiteral("O");
        const QString nurse = QString::fromUtf8(random_.pick(wardNurses));
        const Stamp requested =
            std::max(e.start + 5 * minute, now_ - random_.between(15, 180) * minute);
        const int exams = random_.between(1, 2);
        QStringList items;
        for (int i = 0; i < exams; ++i) {
            const Exam& exam = distinctExam(items, true);
            const QString requestNum = QString::number(nextNurseRequest_++);
            const double price = examPrice(e, exam);
            rows_.nurseRequest.run(
                {requestNum, e.idNum, person.hospNum, type, QStringLiteral("LR"), exam.code, 1.0,
                 price, n < 2 && i == 0 ? QStringLiteral("Y") : QStringLiteral("N"),
                 doctor(e.doctor).id, stationOf(e), roomOf(e), text(requested), nurse,
                 orNull(QString::fromUtf8(random_.pick(nurseRemarks))), QVariant(), QVariant()});
            rows_.nurseLog.run({person.hospNum, e.idNum, type, QStringLiteral("LR"), exam.code,
                                exam.name, 1.0, price, requestNum, QVariant(), text(requested),
                                nurse, QVariant(), QVariant(), QVariant(), QVariant(), QVariant()});
        }
    }
}

// Out-patient requests of the clinics waiting to be printed in the departments.
void Generator::outPatientRequests()
{
    Statement request(
        db_, insertSql(QStringLiteral("Patient_Data.tbOPDCommunicationFile"),
                       {"RequestNum", "IdNum", "HospNum", "RevenueID", "ItemID", "Quantity",
                        "Amount", "DoctorID", "RequestDate", "RequestBy", "Remarks", "Printed"}));
    int row = 0;
    for (int index : printingVisits_) {
        const Encounter& e = encounters_[static_cast<std::size_t>(index)];
        const QString requestNum = QString::number(nextOpdRequest_++);
        const Stamp requested = e.start + random_.between(10, 25) * minute;
        const int exams = random_.between(1, 2);
        QStringList items;
        for (int i = 0; i < exams; ++i, ++row) {
            const Exam& exam = distinctExam(items, false);
            request.run({requestNum, e.idNum, personOf(e).hospNum, QStringLiteral("LR"), exam.code,
                         1.0, examPrice(e, exam), doctor(e.doctor).id, text(requested),
                         QStringLiteral("RN C. ALCANTARA"),
                         orNull(QString::fromUtf8(random_.pick(nurseRemarks))),
                         row < 2   ? QVariant(QStringLiteral("Y"))
                         : row < 4 ? QVariant(QStringLiteral("N"))
                                   : QVariant()});
        }
        // Requests of other departments share the file.
        if (index == printingVisits_.front())
            request.run({requestNum, e.idNum, personOf(e).hospNum, QStringLiteral("XR"),
                         QStringLiteral("XR02"), 1.0, 1200.0, doctor(e.doctor).id, text(requested),
                         QStringLiteral("RN C. ALCANTARA"), QVariant(), QStringLiteral("N")});
    }
}

void Generator::dischargeNotices()
{
    Statement notice(db_, insertSql(QStringLiteral("Station.tbDischargeNotice"),
                                    {"IdNum", "HospNum", "RoomID", "NoticeDate", "OrderedDate",
                                     "DischargeNurse", "Remarks"}));
    Statement clearance(db_, insertSql(QStringLiteral("Station.tbDischargeClearance"),
                                       {"IdNum", "DepartmentID", "UserID", "ClearDate",
                                        "ClearRemarks", "RecordStatus"}));
    // Clearance remarks are stored with grave accents where apostrophes were typed.
    const QString clearRemarks[] = {QStringLiteral("NO PENDING LASER PROCEDURES."),
                                    QStringLiteral("CHECKED WITH DR. YAP`S CLINIC; ALL LASER "
                                                   "CHARGES POSTED.")};
    for (std::size_t k = 0; k < noticeAdmissions_.size(); ++k) {
        const Encounter& e = encounters_[static_cast<std::size_t>(noticeAdmissions_[k])];
        const Stamp noticed = std::max(e.start + hour, now_ - random_.between(40, 270) * minute);
        const Stamp ordered =
            std::max(e.start + 30 * minute, noticed - random_.between(30, 180) * minute);
        notice.run({e.idNum, personOf(e).hospNum, roomOf(e), text(noticed), text(ordered),
                    QString::fromUtf8(random_.pick(wardNurses)),
                    QString::fromUtf8(noticeRemarks[k % std::size(noticeRemarks)])});
        if (k < 2)
            clearance.run(
                {e.idNum, QStringLiteral("LR"), employeeCodes_[k == 0 ? 0 : 3],
                 text(std::min(noticed + random_.between(10, 30) * minute, now_ - 2 * minute)),
                 clearRemarks[k], 1});
    }
}

void Generator::assess(const QString& idNum, const Person& person, Stamp at,
                       const std::vector<AssessedLine>& lines, const QString& orNumber, Stamp paid,
                       Stamp revoked)
{
    const QString assessment = QString::number(++lastAssessment_) + QStringLiteral("LR");
    const QString user = staff();
    double total = 0;
    for (const AssessedLine& line : lines) {
        rows_.cashAssessment.run(
            {QString::number(++lastCashRequest_) + QStringLiteral("LR"), assessment, idNum,
             person.hospNum, person.fullName(), text(at), line.item, line.revenue, line.department,
             line.amount, line.quantity, user, orNull(orNumber),
             orNumber.isEmpty() ? QVariant() : QVariant(text(paid)),
             revoked < 0 ? QVariant() : QVariant(QStringLiteral("R")),
             revoked < 0 ? QVariant() : QVariant(employeeCodes_[3]),
             revoked < 0 ? QVariant() : QVariant(text(revoked)), QStringLiteral("N")});
        total += line.amount;
    }
    if (!orNumber.isEmpty())
        rows_.cashReceipt.run({orNumber, text(paid), person.hospNum, person.fullName(),
                               cents(total), QString::fromLatin1(cashierCode), QVariant()});
}

void Generator::cashAssessments()
{
    const auto examLines = [&](int count) {
        std::vector<AssessedLine> lines;
        QStringList items;
        for (int i = 0; i < count; ++i) {
            const Exam& exam = distinctExam(items, false);
            lines.push_back(
                {exam.code, QStringLiteral("LR"), QStringLiteral("LR"), exam.rates[0], 1.0});
        }
        return lines;
    };
    const int walkIns = sizes_.cashPatients;
    const int firstFeatured = walkIns - sizeOf(featuredCashPatients);
    const Stamp morning = stampAt(QDate(2026, 12, 11), 8, 0);

    // Paid this morning, waiting for the department to charge them (the cash link list).
    std::vector<int> paid = {firstFeatured};
    while (sizeOf(paid) < 4) {
        const int candidate = random_.below(firstFeatured);
        if (std::find(paid.begin(), paid.end(), candidate) == paid.end())
            paid.push_back(candidate);
    }
    for (int index : paid) {
        const Encounter& e = encounters_[static_cast<std::size_t>(index)];
        const Stamp at = morning + random_.between(0, 100) * minute;
        assess(e.idNum, personOf(e), at, examLines(random_.between(1, 2)), nextOR(),
               at + random_.between(5, 20) * minute, -1);
    }

    // Waiting at the cashier: a walk-in, an in-patient on cash basis and an out-patient.
    const Encounter& walkIn = encounters_[static_cast<std::size_t>(firstFeatured + 1)];
    assess(walkIn.idNum, personOf(walkIn), now_ - 25 * minute, examLines(1), QString(), -1, -1);
    const Encounter& confined = encounters_[static_cast<std::size_t>(cashBasisAdmissions_[0])];
    std::vector<AssessedLine> confinedLines = examLines(1);
    confinedLines.push_back(
        {doctor(confined.doctor).id, QStringLiteral("MD"), QStringLiteral("LR"), 1500.0, 1.0});
    assess(confined.idNum, personOf(confined), now_ - 50 * minute, confinedLines, QString(), -1,
           -1);
    const Encounter& visit = encounters_[static_cast<std::size_t>(openAssessmentVisit_)];
    assess(visit.idNum, personOf(visit), now_ - 15 * minute, examLines(2), QString(), -1, -1);

    // Revoked yesterday before payment.
    for (int i = 0; i < 2; ++i) {
        const Encounter& e = encounters_[static_cast<std::size_t>(random_.below(firstFeatured))];
        const Stamp at = morning - day + random_.between(30, 400) * minute;
        assess(e.idNum, personOf(e), at, examLines(1), QString(), -1, at + 2 * hour);
    }

    // Credit memo advices on paid lines: one waiting at the cashier, one processed.
    Statement advice(db_, insertSql(QStringLiteral("Billing.tbCashCreditAdvise"),
                                    {"RevenueID", "AdviseNo", "ItemID", "ORNumber", "Name",
                                     "Amount", "Quantity", "Total", "UserID", "AdviseDate",
                                     "RecordStatus", "ProcessedBy", "ProcessedDate"}));
    for (std::size_t i = 0; i < recentCashSales_.size() && i < 2; ++i) {
        const CashSale& sale = recentCashSales_[i];
        const CashLine& line = sale.lines.front();
        const Stamp advised = std::min(sale.paid + 2 * hour, now_ - 30 * minute);
        advice.run(
            {QStringLiteral("LR"), QStringLiteral("LR") + QString::number(nextAdvice_++), line.item,
             sale.orNumber, sale.name, line.amount, line.quantity,
             cents(line.amount * line.quantity), staff(), text(advised),
             i == 0 ? QVariant(QStringLiteral("R")) : QVariant(),
             i == 0 ? QVariant(QString::fromLatin1(cashierCode)) : QVariant(),
             i == 0 ? QVariant(text(std::min(advised + hour, now_ - 10 * minute))) : QVariant()});
    }
}

// Late charges of two discharged patients whose bills were already made, entered through
// receivable entry under the shared counters.
void Generator::lateCharges()
{
    Statement shared(
        db_, insertSql(QStringLiteral("Cardio.tbCardioMaster"),
                       {"RequestNum", "RefNum",          "HospNum",         "IdNum",
                        "ItemID",     "RevenueID",       "Amount",          "Quantity",
                        "DoctorID",   "DoctorName",      "PatientType",     "TransDate",
                        "UserID",     "NurseRequestNum", "FormType",        "ReaderFee",
                        "Remarks",    "Discount",        "ReadingDoctorID", "ReadingDoctorName",
                        "ReadersFee", "ForResult",       "RequestStatus"}));
    Statement receivable(db_, insertSql(QStringLiteral("Billing.tbReceivableOtherInfo"),
                                        {"IdNum", "OtherInfo", "LastUpdate"}));
    for (std::size_t k = 0; k < lateChargeAdmissions_.size(); ++k) {
        const Encounter& e = encounters_[static_cast<std::size_t>(lateChargeAdmissions_[k])];
        const Person& person = personOf(e);
        const QString refNum = QStringLiteral("C%1R").arg(nextCardioSlip_++);
        const Stamp at =
            clinicHours(std::max(e.billing + hour, now_ - 2 * day), now_ - 10 * minute);
        const QString when = text(at);
        const QString user = staff();
        const QString requesting = doctor(e.doctor).id;

        const Exam& exam = examFor(false);
        const QString requestNum = QString::number(nextCardioRequest_++);
        addRequestLine({.requestNum = requestNum,
                        .refNum = refNum,
                        .hospNum = person.hospNum,
                        .idNum = e.idNum,
                        .item = exam.code,
                        .revenue = QStringLiteral("LR"),
                        .amount = exam.rates[0],
                        .quantity = 1,
                        .doctor = requesting,
                        .patientType = QStringLiteral("I"),
                        .transDate = when,
                        .user = user,
                        .nurseRequestNum = requestNum});
        rows_.bill.run({QStringLiteral("O"), e.idNum, when, refNum, exam.code, exam.rates[0],
                        QStringLiteral("LR"), user, 1.0, empty_, QStringLiteral("D"), requesting,
                        empty_});
        if (k == 1) {
            const QString feeRequest = QString::number(nextCardioRequest_++);
            const QString reader = doctor(eyeDoctor()).id;
            rows_.bill.run({QStringLiteral("I"), e.idNum, when, refNum, reader, 2000.0,
                            QStringLiteral("MD"), user, 1.0, QStringLiteral("HS"),
                            QStringLiteral("P"), requesting, empty_});
            shared.run({feeRequest,
                        refNum,
                        person.hospNum,
                        e.idNum,
                        reader,
                        QStringLiteral("MD"),
                        2000.0,
                        1.0,
                        requesting,
                        empty_,
                        QStringLiteral("I"),
                        when,
                        user,
                        feeRequest,
                        empty_,
                        1,
                        empty_,
                        0.0,
                        empty_,
                        empty_,
                        0.0,
                        QStringLiteral("N"),
                        QStringLiteral("X")});
        }
        receivable.run({e.idNum, 0, when});
    }
}

// Two weeks of the department's runs of the program, all logged out.
void Generator::userLogs()
{
    Statement log(db_,
                  insertSql(QStringLiteral("Clinical_Area.tbLaser_UserLogin"),
                            {"LogSequence", "EmployeeID", "LoginDate", "LogOutDate", "Remarks"}));
    int sequence = 0;
    const QDate today(2026, 12, 11);
    for (QDate date = today.addDays(-14); date < today; date = date.addDays(1)) {
        if (date.dayOfWeek() == Qt::Sunday)
            continue;
        const int runs = random_.between(1, 3);
        for (int r = 0; r < runs; ++r) {
            const Stamp in = stampAt(date, 7 + 3 * r) + random_.between(0, 90) * minute;
            const Stamp out = in + random_.between(90, 170) * minute;
            QString remarks = QStringLiteral("LogIn:");
            const int flows = random_.between(1, 3);
            for (int f = 0; f < flows; ++f)
                remarks += QString::fromUtf8(random_.pick(activityFlows));
            remarks += QStringLiteral("Exit program;");
            log.run({++sequence, staff(), text(in), text(out), remarks});
        }
    }
}

void Generator::counters()
{
    Statement(db_, QStringLiteral("INSERT INTO Clinical_Area.tbLaserSlip (ChargeSlip, RequestNum) "
                                  "VALUES (?, ?)"))
        .run({nextChargeSlip_, nextRequestNum_});
    Statement(db_, QStringLiteral("INSERT INTO Billing.tbAssessmentNum (AssessmentNum, RequestNum, "
                                  "CMAdviseNum) VALUES (?, ?, ?)"))
        .run({lastAssessment_, lastCashRequest_, nextAdvice_});
    Statement(db_, QStringLiteral("INSERT INTO Patient_Data.tbLastWalkInNum (lastopd, transnum) "
                                  "VALUES (?, ?)"))
        .run({QStringLiteral("T") + QString::number(500000 + sizes_.cashPatients),
              500000 + sizes_.cashPatients});
    Statement(db_, QStringLiteral("INSERT INTO Cardio.tbCardioSlip (ChargeSlip, RequestNum) "
                                  "VALUES (?, ?)"))
        .run({nextCardioSlip_, nextCardioRequest_});
}

} // namespace

void generateDemoHospital(QSqlDatabase& db, DemoSize size)
{
    Generator(db, size == DemoSize::Bench ? benchSizes : demoSizes).run();
}

} // namespace hospitaldb
