#pragma once

// The field lists of the report designs, in column order, as the reports
// expect them. Tests build report data with them and check the data sets
// against them.

#include <QStringList>

namespace pw::test {

inline const QStringList kMemberFields = { "ID", "Status", "First_Name", "Middle_Name", "Last_Name", "Title",
    "Address_1", "Address_2", "City", "State", "Zip", "Phone", "Cell", "Work_Phone", "Email", "Place_Of_Work",
    "Occupation", "Date_Of_Birth", "Head_Of_Household", "Gender", "Marital_Status", "Anniversary_Date", "Hobbies",
    "Organizations", "Map_Section", "Notes", "Member_Active_Status", "Member_Since", "Previous_Church", "Came_Forward",
    "Baptized", "Sunday_School.Name", "Discipleship_Training.Name", "Wednesday_Night.Name", "CGLeader", "Deacon",
    "Receive_Newsletter_Via_Mail", "Receive_Newsletter_Via_EMail" };

inline const QStringList kContactFields
    = { "Prospect_ID", "ID", "Contact_Date", "Action", "Type", "Visitor1Name", "Visitor2Name", "Rating", "Notes" };

inline const QStringList kLabelFields
    = { "First_Name", "Middle_Name", "Last_Name", "Title", "Address_1", "Address_2", "City", "State", "Zip" };

inline const QStringList kSheetFields = { "Member.ID", "Status", "First_Name", "Middle_Name", "Last_Name", "Title",
    "Address_1", "Address_2", "City", "State", "Zip", "Phone", "Cell", "Work_Phone", "Email", "Place_Of_Work",
    "Occupation", "Date_Of_Birth", "Head_Of_Household", "Gender", "Marital_Status", "Anniversary_Date", "Hobbies",
    "Organizations", "Map_Section", "Member.Notes", "Member_Active_Status", "Prospect_Source", "Prospect_Active_Status",
    "Prospect_Note", "Name", "CGLeader", "Prospect_Member_Of", "Prospect_Next_Contact_Date",
    "Prospect_Next_Contact_Action", "Prospect_Contact.ID", "Contact_Date", "Action", "Type", "Visitor1Name",
    "Visitor2Name", "Prospect_Contact.Notes", "Rating" };

} // namespace pw::test
