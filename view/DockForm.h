// CDockForm: the side bar, the parameter panel docked beside the project windows. One group of
// controls per failure criterion (inputs with spins and pick buttons, the envelope range with
// its application, read-only results, Copy Data), of which the group of the attached document's
// criterion is shown. Typing applies the panel to the document's current model (at once for a
// spin step or a program-written value, when the edit loses the focus, or a second after the
// last keystroke), the results follow and the document's views are updated. The rules that need
// no window are in DockFormLogic.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "controls/ControlGroupSwitcher.h"
#include "controls/FlatButton.h"
#include "controls/FlatComboBox.h"
#include "controls/RealSpinCtrl.h"
#include "controls/TransparentStatic.h"
#include "core/document/SideBarSink.h"
#include "framework/win/DialogItems.h"
#include "framework/win/View.h"
#include "view/DockFormLogic.h"

class CKelStrengthDoc;

class CDockForm : public CFormView, public ISideBarSink {
  DECLARE_DYNCREATE(CDockForm)
 public:
  CDockForm();
  ~CDockForm() override;

  // ISideBarSink
  void RefreshFromDocument() override;
  void ApplyParameters(int redrawHint, BOOL showMessages) override;
  void EnableControls(BOOL enable) override;
  void ShowResults() override;
  void AttachDocument(CView* view, CKelStrengthDoc* document, BOOL activate) override;
  int GetPanelWidth() override;

  void OnInitialUpdate() override;
  // Visibility and read-only state by application, spin steps by unit system, unit labels.
  void UpdateControlTexts();
  // The panel's values read from the edits (messages shown or not); FALSE when a value is
  // malformed or out of range, and then nothing of the panel changed.
  BOOL UpdateDataQuiet(BOOL showMessages);
  // An edit was typed in: the current model is marked changed and the document modified.
  void MarkParametersChanged();

  CKelStrengthDoc* GetAttachedDocument() const { return m_pDoc; }
  CView* GetAttachedView() const { return m_pView; }
  SideBarValues& Values() { return m_values; }
  // The unit system of the attached document's current model (0 without a document).
  int GetUnits() const;
  // The spin of a spin id (null for another id).
  CRealSpinCtrl* GetSpin(int id);
  // Whether the form is writing its own edits (their change notifications are ignored).
  bool IsUpdating() const { return m_nUpdating > 0; }
  // Whether typing waits for the timer to apply it.
  bool IsApplyPending() const { return m_bApplyPending; }

  // Timer of the typing road.
  static const UINT_PTR kApplyTimer = 1;
  static const UINT kApplyDelay = 1000;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // The criteria groups but the first shown are left out of the form: each is made when first
  // shown or when one of its controls is first needed (most sessions use one criterion, and
  // each control costs its making, moving and setting up).
  void PrepareTemplate(std::vector<BYTE>& dialogTemplate) override;
  // Shows a criterion's group, made first if it waits.
  void ShowCriterionGroup(int criterion);
  // Makes a waiting group's controls from the records left out, in their places and z-order,
  // then does to them, in order, what was asked while they waited.
  void MakeGroup(int criterion);
  // The group an id's control waits with (-1 when it exists or is not the form's).
  int WaitingGroupOf(int id) const;
  // A step on a control: now, or when its group is made.
  void WhenMade(int id, std::function<void()> step);
  // A control object bound during data exchange (when made for a waiting group).
  void BindControl(CDataExchange* pDX, int id, CWnd& control);
  // A spin's range: kept by the object at once, given to a waiting spin's window when made.
  void SetSpinRange(CRealSpinCtrl& spin, int id, double min, double max, double step);
  // Drops an attachment to a document that is no longer open (or a view no longer its own).
  void CheckAttachment();
  // A change typed but not yet applied goes to the document it was typed for (quietly) before
  // the panel changes documents.
  void ApplyPendingChange();
  // One edit of the current group: read with its range check, or written.
  void ExchangeField(CDataExchange* pDX, const SideBarField& field);
  // Writes the panel's values into its edits without the edits' notifications taking effect.
  void WriteFields();
  // The fields and then the results: an edit the results rewrite is written once, with the
  // result's text.
  void WritePanel();
  // The result texts of the attached document's active model (its state flag kept).
  std::vector<SideBarText> ResultTexts() const;
  void WriteResults(const std::vector<SideBarText>& texts);
  // Sets a control's text unless it already reads so.
  void SetControlText(int id, const char* text);
  // The form's control of an id, looked up once: the template's controls live as long as the
  // form, and a lookup among its couple of hundred children is slow on some platforms.
  HWND Control(int id) const;
  // Data exchange finds the controls the same way.
  HWND GetDlgItemHandle(int nID) const override { return Control(nID); }

  afx_msg void OnParamEditChange(UINT id);
  afx_msg void OnParamEditKillFocus(UINT id);
  afx_msg void OnTimer(UINT_PTR id);
  afx_msg void OnApplicationChange();
  afx_msg void OnCopyData();
  // The pick buttons (view/DockFormPicks.cpp).
  afx_msg void OnPickGsi();
  afx_msg void OnPickMi();
  afx_msg void OnPickDisturbance();
  afx_msg void OnPickIntactUcs();
  afx_msg void OnPickResidualFriction();
  afx_msg void OnPickJcs();
  afx_msg void OnPickJrc();
  afx_msg void OnPickCohesion();
  afx_msg void OnPickFrictionAngle();
  // A value picked: into the panel and its edit, then applied with the hint.
  void TakePick(double SideBarValues::*value, double picked, int spinId, int hint);
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()

  SideBarValues m_values;
  CKelStrengthDoc* m_pDoc = nullptr;  // not owned
  CView* m_pView = nullptr;           // not owned
  BYTE m_bShowMessages = 1;           // the data exchange reports errors in message boxes
  int m_nUpdating = 0;                // > 0 while the form writes its own edits
  bool m_bApplyPending = false;       // the typing timer runs
  bool m_bControlsBound = false;
  // While the panel is written: the texts the results write next (their edits are skipped).
  const std::vector<SideBarText>* m_pResultsToCome = nullptr;
  mutable std::unordered_map<int, HWND> m_controls;
  struct WaitingGroup {
    DialogItem frame;
    std::vector<DialogItem> items;
    std::vector<std::function<void()>> steps;
    std::map<int, BOOL> enables;       // the last state asked, by id
    std::map<int, std::string> texts;  // the last text asked, by id
  };
  WaitingGroup m_waiting[4];
  std::unordered_map<int, int> m_waitingIds;  // control id -> its waiting group
  bool m_bBindsAsked = false;
  CControlGroupSwitcher m_groups;
  CFlatComboBox m_applications[4];
  CFlatButton m_pickButtons[9];
  CFlatButton m_copyButtons[4];
  CRealSpinCtrl m_spins[18];
  CTransparentStatic m_formulas[6];
};
