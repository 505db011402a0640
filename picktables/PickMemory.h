// What a pick dialog remembers from one accepted opening to the next, for the run of the
// program (shared by every document, never stored).
#pragma once

// A grade or range number (1-based), -1 for none.
class CRememberedChoice {
 public:
  int Get() const { return m_choice; }
  // OK: the first pressed choice, or -1 when none is pressed, which forgets it.
  void Accept(int pressed) { m_choice = pressed >= 1 ? pressed : -1; }

 private:
  int m_choice = -1;
};
