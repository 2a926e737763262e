#pragma once

// Command and control ids of the main window. They travel on the menu and
// toolbar actions and are the keys of the window's routing table.
namespace CommandId
{
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int ClearList = 32771;
constexpr int ArrangeDepartments = 32776;
constexpr int AddOne = 32778;
constexpr int SubtractOne = 32779;
constexpr int NewItemToolbar = 32780;
constexpr int EditItemToolbar = 32781;
constexpr int DeleteItemToolbar = 32782;
constexpr int CopyList = 32789;
constexpr int About = 32790;
constexpr int EditItem = 32791;
constexpr int DeleteItem = 32792;
constexpr int NewItem = 32793;
constexpr int Options = 32795;
constexpr int Rename = 32798;
constexpr int QuantityFilter = 32801;
constexpr int ClearCoupons = 32802;
constexpr int Check = 32803;
constexpr int Refresh = 32804;
constexpr int ClearMarked = 32805;
constexpr int Undo = 32810;
constexpr int Redo = 32811;
constexpr int History = 32812;
constexpr int PhoneList = 32820;
constexpr int Export = 32830;
constexpr int Import = 32831;
constexpr int PasteList = 32832;
constexpr int CopyChecklist = 32833;
constexpr int CheapestStores = 32840;
constexpr int Help = 57670;
} // namespace CommandId

namespace ControlId
{
constexpr int DeptCombo = 1000;
constexpr int ItemList = 1007;
constexpr int QuickAddNew = 1015;
constexpr int TabStrip = 1060;
constexpr int Phantom = 1059;
constexpr int QuickText = 1076;
constexpr int QuickClear = 1082;
constexpr int LetterA = 1083;
constexpr int LetterG = 1084;
constexpr int LetterL = 1085;
constexpr int LetterS = 1086;
constexpr int QuickQty = 1087;
constexpr int QuickPlus = 1089;
constexpr int QuickMinus = 1090;
constexpr int QuickAdd = 1091;
} // namespace ControlId
