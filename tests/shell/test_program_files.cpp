// Projects through the real program: New, Save As, Close, Open again; files of the sibling
// product open untitled so Save asks for a name; a failed save keeps the old file and the
// modified flag; closing with unsaved changes asks; opening a file closes the untouched
// untitled project but keeps an imported one; recent files and recent folders.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "core/io/SafeSave.h"
#include "document/KelStrengthDoc.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/FrameworkIds.h"
#include "res/ShellResources.h"
#include "shell/KelStrengthApp.h"
#include "shell/MainFrame.h"
#include "tests/support/ProgramHarness.h"
#include "tests/support/ShownMessageBoxes.h"
#include "tests/support/TestProjects.h"

using qxtest::CProgramHarness;

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(ProgramFiles, NewSaveAsCloseAndOpenAgainGiveTheSameProject) {
  CProgramHarness program("files_roundtrip");
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(program.RunCommand(ID_FILE_NEW));
  EXPECT_EQ(program.DocumentCount(), 2);
  CKelStrengthDoc* doc = program.ActiveDocument();
  ASSERT_NE(doc, nullptr);
  doc->m_strTitle = "North wall";
  doc->SetCriterion(CRITERION_MOHR_COULOMB);
  doc->m_mohrCoulomb.SetParameters(1.5, 33.0, 0.2);
  doc->SetModifiedFlag(TRUE);

  const std::string path = program.TempPath("north.kel");
  program.AnswerFileDialog(path);
  ASSERT_TRUE(program.RunCommand(ID_FILE_SAVE_AS));
  EXPECT_FALSE(doc->IsModified());
  EXPECT_EQ(doc->GetPathName(), CString(path.c_str()));
  EXPECT_NE(ReadAll(path).find("North wall"), std::string::npos);
  ASSERT_TRUE(program.RunCommand(ID_FILE_CLOSE));
  EXPECT_TRUE(program.MessageBoxTexts().empty());  // saved: closing asks nothing

  CKelStrengthDoc* again = program.OpenFile(path);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->m_strTitle, CString("North wall"));
  EXPECT_EQ(again->m_nCriterion, CRITERION_MOHR_COULOMB);
  EXPECT_EQ(again->m_pActiveCriterion, &again->m_mohrCoulomb);
  double c = 0, phi = 0, sigt = 0;
  again->m_mohrCoulomb.GetParameters(&c, &phi, &sigt);
  EXPECT_DOUBLE_EQ(c, 1.5);
  EXPECT_DOUBLE_EQ(phi, 33.0);
  // The untouched untitled project of the start went when the file was opened.
  EXPECT_EQ(program.DocumentCount(), 1);
  program.Screenshot("program_project_open");
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramFiles, OpeningAFileKeepsAModifiedUntitledProject) {
  CProgramHarness program("files_keep_modified");
  ASSERT_TRUE(program.Start());
  CKelStrengthDoc* untitled = program.ActiveDocument();
  untitled->SetModifiedFlag(TRUE);
  CString error;
  CKelProject saved;
  const std::string path = program.TempPath("a.kel");
  ASSERT_TRUE(saved.WriteProject(path.c_str(), "3.015", error));
  ASSERT_NE(program.OpenFile(path), nullptr);
  EXPECT_EQ(program.DocumentCount(), 2);
  // Exit: the modified one asks; No discards it.
  program.AnswerMessageBox(IDNO);
  EXPECT_EQ(program.Exit(), 0);
  ASSERT_EQ(program.MessageBoxTexts().size(), 1u);
  EXPECT_NE(program.MessageBoxTexts()[0].find("Save changes"), std::string::npos);
}

TEST(ProgramFiles, ClosingWithUnsavedChangesAsksAndCancelKeepsTheProgramRunning) {
  CProgramHarness program("files_close_asks");
  ASSERT_TRUE(program.Start());
  program.ActiveDocument()->SetModifiedFlag(TRUE);
  program.AnswerMessageBox(IDCANCEL);
  EXPECT_EQ(program.Exit(2000), -1);  // the close was refused
  EXPECT_TRUE(program.IsRunning());
  EXPECT_EQ(program.DocumentCount(), 1);
  // Yes saves through Save As (the project has no name yet), then the program ends.
  const std::string path = program.TempPath("kept.kel");
  program.AnswerMessageBox(IDYES);
  program.AnswerFileDialog(path);
  EXPECT_EQ(program.Exit(), 0);
  EXPECT_FALSE(ReadAll(path).empty());
}

TEST(ProgramFiles, ASiblingProductFileOpensUntitledSoSaveNeverWritesOverIt) {
  CProgramHarness program("files_foreign");
  ASSERT_TRUE(program.Start());
  const std::string qzt = program.TempPath("field.qzt");
  {
    std::ofstream out(qzt, std::ios::binary);
    for (const char* line : {"Version: 1.011", "Title: Quarry: east", "Units: 0", "sigci: 50",
                             "GSI: 65", "mi: 17", "D: 0.2", "Application: 3", "sig3max: 12.5",
                             "Unit weight: 0.027", "Height: 40", "Points: 2", "1 1.5 40",
                             "2 3 55.5"})
      out << line << "\r\n";
  }
  const std::string before = ReadAll(qzt);
  CKelStrengthDoc* doc = program.OpenFile(qzt);
  ASSERT_NE(doc, nullptr);
  EXPECT_TRUE(doc->GetPathName().IsEmpty());
  EXPECT_EQ(doc->m_strTitle, CString("Quarry: east"));
  doc->SetModifiedFlag(TRUE);
  const std::string saved = program.TempPath("field.kel");
  program.AnswerFileDialog(saved);
  ASSERT_TRUE(program.RunCommand(ID_FILE_SAVE));
  EXPECT_EQ(program.FileDialogCount(), 1);  // Save went through Save As
  EXPECT_EQ(ReadAll(qzt), before);
  EXPECT_NE(ReadAll(saved).find("Quarvex:"), std::string::npos);
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramFiles, OpeningAFileKeepsAnImportedProjectAndClosesOnlyAnUntouchedNewOne) {
  CProgramHarness program("files_keep_imported");
  ASSERT_TRUE(program.Start());
  const std::string qzt = program.TempPath("field.qzt");
  {
    std::ofstream out(qzt, std::ios::binary);
    for (const char* line : {"Version: 1.011", "Title: Quarry", "Units: 0", "sigci: 50", "GSI: 65",
                             "mi: 17", "D: 0", "Application: 3", "sig3max: 12.5",
                             "Unit weight: 0.027", "Height: 40", "Points: 1", "1 1.5 40"})
      out << line << "\r\n";
  }
  const std::string first = program.TempPath("first.kel");
  const std::string second = program.TempPath("second.kel");
  ASSERT_TRUE(qxtest::WriteProject(first, [](CKelProject&) {}));
  ASSERT_TRUE(qxtest::WriteProject(second, [](CKelProject&) {}));

  // The import replaces the untouched project of the start; a project opened next keeps it.
  CKelStrengthDoc* imported = program.OpenFile(qzt);
  ASSERT_NE(imported, nullptr);
  EXPECT_EQ(program.DocumentCount(), 1);
  EXPECT_TRUE(imported->GetPathName().IsEmpty());
  EXPECT_FALSE(imported->IsModified());
  ASSERT_NE(program.OpenFile(first), nullptr);
  EXPECT_EQ(program.DocumentCount(), 2);
  program.Screenshot("program_import_kept");

  // A project of File New, left untouched, still goes when the next file opens.
  ASSERT_TRUE(program.RunCommand(ID_FILE_NEW));
  EXPECT_EQ(program.DocumentCount(), 3);
  ASSERT_NE(program.OpenFile(second), nullptr);
  EXPECT_EQ(program.DocumentCount(), 3);
  bool importedOpen = false;
  CDocTemplate* docTemplate = program.App()->m_pDocTemplate;
  for (POSITION p = docTemplate->GetFirstDocPosition(); p;)
    if (docTemplate->GetNextDoc(p) == imported) importedOpen = true;
  EXPECT_TRUE(importedOpen);
  EXPECT_TRUE(program.MessageBoxTexts().empty());
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramFiles, AFailedSaveKeepsTheOldFileAndTheModifiedFlag) {
  CProgramHarness program("files_save_fails");
  ASSERT_TRUE(program.Start());
  CKelStrengthDoc* doc = program.ActiveDocument();
  const std::string folder = program.TempPath("no such folder\\x.kel");
  doc->SetModifiedFlag(TRUE);
  program.AnswerFileDialog(folder);
  program.RunCommand(ID_FILE_SAVE_AS);
  EXPECT_TRUE(doc->IsModified());
  ASSERT_FALSE(program.MessageBoxTexts().empty());
  EXPECT_NE(program.MessageBoxTexts().back().find("Could not open file for writing"),
            std::string::npos);

  // A file that exists stays as it was when the new text cannot be written.
  const std::string path = program.TempPath("locked.kel");
  std::ofstream(path, std::ios::binary) << "old contents";
  ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  program.AnswerFileDialog(path);
  program.AnswerMessageBox(IDYES);  // replace it?
  program.RunCommand(ID_FILE_SAVE_AS);
  EXPECT_EQ(ReadAll(path), "old contents");
  EXPECT_TRUE(doc->IsModified());
  ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);

  // A full disk: only a file that was there is said to be unchanged. Both messages are shown
  // on the screen and kept as pictures.
  SetSafeSaveFaultHook([](SafeSaveStep step) { return step == SafeSaveStep::Write; });
  const std::string fresh = program.TempPath("fresh.kel");
  {
    qxtest::CShownMessageBoxes boxes;
    boxes.Expect("program_save_new_name_disk_full");
    boxes.Expect("program_save_existing_disk_full");
    program.AnswerFileDialog(fresh);
    program.RunCommand(ID_FILE_SAVE_AS);
    EXPECT_EQ(::GetFileAttributesA(fresh.c_str()), INVALID_FILE_ATTRIBUTES);
    program.AnswerFileDialog(path);
    program.RunCommand(ID_FILE_SAVE_AS);
    SetSafeSaveFaultHook(nullptr);
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{
                  "Could not write the file; the disk may be full.",
                  "Could not write the file; the disk may be full. The previous file is unchanged."}));
    EXPECT_TRUE(boxes.FailedPictures().empty());
  }
  EXPECT_EQ(ReadAll(path), "old contents");
  EXPECT_TRUE(doc->IsModified());
  program.AnswerMessageBox(IDNO);
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramFiles, RecentFilesAndFoldersFollowTheProjects) {
  CProgramHarness program("files_recent");
  ASSERT_TRUE(program.Start());
  CString error;
  CKelProject project;
  const std::string first = program.TempPath("one.kel");
  const std::string second = program.TempPath("two.kel");
  ASSERT_TRUE(project.WriteProject(first.c_str(), "3.015", error));
  ASSERT_TRUE(project.WriteProject(second.c_str(), "3.015", error));
  program.OpenFile(first);
  program.OpenFile(second);
  CKelStrengthApp* app = program.App();
  ASSERT_NE(app->m_pRecentFileList, nullptr);
  EXPECT_EQ((*app->m_pRecentFileList)[0], CString(second.c_str()));
  EXPECT_EQ((*app->m_pRecentFileList)[1], CString(first.c_str()));

  // The folder command opens the Open dialog in that folder and opens nothing itself.
  const int documents = program.DocumentCount();
  ASSERT_TRUE(program.RunCommand(ID_FILE_RECENT_FOLDER1));
  EXPECT_EQ(program.FileDialogCount(), 1);
  std::string folder = program.LastFileDialogFolder();
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  EXPECT_EQ(folder, program.TempFolder());
  EXPECT_EQ(program.DocumentCount(), documents);
  EXPECT_TRUE(app->m_strStartFolder.IsEmpty());
  // The next dialog starts where the platform chooses again.
  program.RunCommand(ID_FILE_OPEN);
  EXPECT_EQ(program.FileDialogCount(), 2);
  EXPECT_TRUE(program.LastFileDialogFolder().empty());
  EXPECT_EQ(program.Exit(), 0);
}

// The main window takes files dropped from the shell: each dropped project opens.
TEST(ProgramFiles, FilesDroppedOnTheWindowOpen) {
  CProgramHarness program("files_dropped");
  ASSERT_TRUE(program.Start());
  EXPECT_TRUE(::GetWindowLongA(program.FrameWindow(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  const std::string first = program.TempPath("dropped one.kel");
  const std::string second = program.TempPath("dropped two.kel");
  ASSERT_TRUE(qxtest::WriteProject(first, [](CKelProject&) {}));
  ASSERT_TRUE(qxtest::WriteProject(second, [](CKelProject&) {}));
  // What the shell sends: a DROPFILES block with the paths one after another.
  const std::string paths = first + '\0' + second + '\0' + '\0';
  HGLOBAL drop = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + paths.size());
  ASSERT_NE(drop, nullptr);
  auto* files = static_cast<DROPFILES*>(::GlobalLock(drop));
  files->pFiles = sizeof(DROPFILES);
  std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), paths.data(), paths.size());
  ::GlobalUnlock(drop);
  ::SendMessageA(program.FrameWindow(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  program.Pump();
  ASSERT_NE(program.ActiveDocument(), nullptr);
  EXPECT_EQ(program.ActiveDocument()->GetPathName(), CString(second.c_str()));
  EXPECT_EQ(program.DocumentCount(), 2);  // the untouched project of the start made room
  EXPECT_TRUE(program.MessageBoxTexts().empty());
  EXPECT_EQ(program.Exit(), 0);
}
