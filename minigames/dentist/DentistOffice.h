#pragma once

// The dentist's office the learner works in: its name, address, numbers,
// hours and staff. Every minigame of the office, every picture of its
// documents and every recording that names one of these reads it here, so
// the sign on the door, the fax's letterhead and the voice on the telephone
// describe one office.
namespace DentistOffice {

constexpr const char* kName = "Cabinet dentaire des Érables";  // UTF-8
constexpr const char* kEnglishName = "Maple Dental Clinic";
constexpr const char* kAddress = "1200, rue Notre-Dame, Sudbury (Ontario) P3A 2T7";
constexpr const char* kPhone = "(705) 555-0142";
constexpr const char* kFax = "(705) 555-0143";

// The learner takes Julie's place at the reception desk.
constexpr const char* kReceptionist = "Julie Tremblay";
constexpr const char* kReceptionistFirstName = "Julie";

// Open Monday to Friday, 8:30 to 17:00; the texts are as Formats writes
// and speaks these times (a test holds them together).
constexpr int kOpensHour = 8, kOpensMinute = 30, kClosesHour = 17, kClosesMinute = 0;
constexpr const char* kOpenDays = "Lundi au vendredi";
constexpr const char* kHours = "8\u00A0h\u00A030 à 17\u00A0h";
constexpr const char* kSpokenHours = "de huit heures trente à dix-sept heures";

enum Person {
    PERSON_MARCHESSAULT = 0,
    PERSON_BRISEBOIS,
    PERSON_FERLAND,
    PERSON_VACHON,
    PERSON_ON_CALL,
    PERSON_PAQUETTE,
    PERSON_SAUVE,
    PERSON_LEMIRE,
    kPersonCount
};

// Who sits where on the organisation chart.
enum Department { DEPT_CARE = 0, DEPT_OFFICE, DEPT_EMERGENCY, kDepartmentCount };

struct StaffMember {
    Department department;
    const char* name;       // with the title a patient uses (UTF-8)
    const char* role;
    const char* extension;  // what must be dialled
};

constexpr StaffMember kStaff[kPersonCount] = {
    {DEPT_CARE, "Dre Hélène Marchessault", "Dentiste", "11"},
    {DEPT_CARE, "Dr Olivier Brisebois", "Dentiste", "12"},
    {DEPT_CARE, "Nadia Ferland", "Hygiéniste dentaire", "13"},
    {DEPT_CARE, "Élodie Vachon", "Assistante dentaire", "14"},
    {DEPT_EMERGENCY, "Dentiste de garde", "Urgences dentaires", "0"},
    {DEPT_OFFICE, "Julien Paquette", "Facturation et assurances", "41"},
    {DEPT_OFFICE, "Colette Sauvé", "Directrice du bureau", "431"},
    {DEPT_OFFICE, "Marc-André Lemire", "Ressources humaines", "432"},
};

constexpr const char* kDepartmentNames[kDepartmentCount] = {"Soins", "Administration", "Urgences"};

// The dental laboratory the office sends its faxes to.
constexpr const char* kLabName = "Laboratoire dentaire Nord";
constexpr const char* kLabAddress = "85, rue Elm, Sudbury (Ontario) P3C 1T4";
constexpr const char* kLabPhone = "(705) 232-2300";
constexpr const char* kLabFax = "(705) 232-2332";
constexpr const char* kLabFaxDigits = "7052322332";  // as keyed on the fax machine

}  // namespace DentistOffice
