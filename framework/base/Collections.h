// CList and CMap with POSITION walks. A null POSITION
// given to GetAt/GetNext/SetAt throws std::out_of_range instead of reading
// memory it does not own.
#pragma once

#include <map>
#include <stdexcept>

#include "CString.h"
#include "WinTypes.h"

class CObject;

struct __POSITION;
typedef __POSITION* POSITION;

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList {
 public:
  explicit CList(int blockSize = 10) { (void)blockSize; }
  ~CList() { RemoveAll(); }
  CList(const CList&) = delete;
  CList& operator=(const CList&) = delete;

  int GetCount() const { return m_count; }
  int GetSize() const { return m_count; }
  BOOL IsEmpty() const { return m_count == 0; }

  TYPE& GetHead() { return Checked(m_head)->data; }
  const TYPE& GetHead() const { return Checked(m_head)->data; }
  TYPE& GetTail() { return Checked(m_tail)->data; }
  const TYPE& GetTail() const { return Checked(m_tail)->data; }

  TYPE RemoveHead() {
    Node* n = Checked(m_head);
    TYPE value = n->data;
    Unlink(n);
    return value;
  }
  TYPE RemoveTail() {
    Node* n = Checked(m_tail);
    TYPE value = n->data;
    Unlink(n);
    return value;
  }
  POSITION AddHead(ARG_TYPE element) { return InsertNode(nullptr, m_head, element); }
  POSITION AddTail(ARG_TYPE element) { return InsertNode(m_tail, nullptr, element); }
  void AddTail(const CList* other) {
    if (!other) return;
    // Counted so that appending a list to itself ends.
    Node* n = other->m_head;
    for (int i = other->m_count; i > 0 && n; --i, n = n->next) AddTail(n->data);
  }
  void RemoveAll() {
    while (m_head) Unlink(m_head);
  }

  POSITION GetHeadPosition() const { return ToPos(m_head); }
  POSITION GetTailPosition() const { return ToPos(m_tail); }
  TYPE& GetNext(POSITION& pos) {
    Node* n = Checked(FromPos(pos));
    pos = ToPos(n->next);
    return n->data;
  }
  const TYPE& GetNext(POSITION& pos) const {
    Node* n = Checked(FromPos(pos));
    pos = ToPos(n->next);
    return n->data;
  }
  TYPE& GetPrev(POSITION& pos) {
    Node* n = Checked(FromPos(pos));
    pos = ToPos(n->prev);
    return n->data;
  }
  const TYPE& GetPrev(POSITION& pos) const {
    Node* n = Checked(FromPos(pos));
    pos = ToPos(n->prev);
    return n->data;
  }
  TYPE& GetAt(POSITION pos) { return Checked(FromPos(pos))->data; }
  const TYPE& GetAt(POSITION pos) const { return Checked(FromPos(pos))->data; }
  void SetAt(POSITION pos, ARG_TYPE element) { Checked(FromPos(pos))->data = element; }
  void RemoveAt(POSITION pos) { Unlink(Checked(FromPos(pos))); }
  // A null position inserts at the head (InsertBefore) or tail (InsertAfter).
  POSITION InsertBefore(POSITION pos, ARG_TYPE element) {
    Node* n = FromPos(pos);
    return n ? InsertNode(n->prev, n, element) : AddHead(element);
  }
  POSITION InsertAfter(POSITION pos, ARG_TYPE element) {
    Node* n = FromPos(pos);
    return n ? InsertNode(n, n->next, element) : AddTail(element);
  }
  POSITION Find(ARG_TYPE value, POSITION startAfter = nullptr) const {
    Node* n = startAfter ? FromPos(startAfter)->next : m_head;
    for (; n; n = n->next)
      if (n->data == value) return ToPos(n);
    return nullptr;
  }
  POSITION FindIndex(int index) const {
    if (index < 0 || index >= m_count) return nullptr;
    Node* n = m_head;
    while (index-- > 0) n = n->next;
    return ToPos(n);
  }

 private:
  struct Node {
    Node* prev;
    Node* next;
    TYPE data;
  };

  static POSITION ToPos(Node* n) { return reinterpret_cast<POSITION>(n); }
  static Node* FromPos(POSITION p) { return reinterpret_cast<Node*>(p); }
  static Node* Checked(Node* n) {
    if (!n) throw std::out_of_range("CList: no element at this position");
    return n;
  }
  POSITION InsertNode(Node* prev, Node* next, ARG_TYPE element) {
    Node* n = new Node{prev, next, element};
    (prev ? prev->next : m_head) = n;
    (next ? next->prev : m_tail) = n;
    ++m_count;
    return ToPos(n);
  }
  void Unlink(Node* n) {
    (n->prev ? n->prev->next : m_head) = n->next;
    (n->next ? n->next->prev : m_tail) = n->prev;
    --m_count;
    delete n;
  }

  Node* m_head = nullptr;
  Node* m_tail = nullptr;
  int m_count = 0;
};

class CStringList : public CList<CString, const CString&> {};
class CPtrList : public CList<void*, void*> {};
class CObList : public CList<CObject*, CObject*> {};

// A map from keys to values. Walk order is key order.
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap {
 public:
  explicit CMap(int blockSize = 10) { (void)blockSize; }

  int GetCount() const { return static_cast<int>(m_map.size()); }
  int GetSize() const { return GetCount(); }
  BOOL IsEmpty() const { return m_map.empty(); }
  void InitHashTable(UINT hashSize, BOOL allocNow = TRUE) {
    (void)hashSize;
    (void)allocNow;
  }

  BOOL Lookup(ARG_KEY key, VALUE& value) const {
    auto it = m_map.find(key);
    if (it == m_map.end()) return FALSE;
    value = it->second;
    return TRUE;
  }
  VALUE& operator[](ARG_KEY key) { return m_map[key]; }
  void SetAt(ARG_KEY key, ARG_VALUE value) { m_map[key] = value; }
  BOOL RemoveKey(ARG_KEY key) { return m_map.erase(key) != 0; }
  void RemoveAll() { m_map.clear(); }

  POSITION GetStartPosition() const { return m_map.empty() ? nullptr : ToPos(&*m_map.begin()); }
  // Gives the entry at pos and moves pos on (null after the last one).
  // Removing the entry just returned is fine; removing the next one is not.
  void GetNextAssoc(POSITION& pos, KEY& key, VALUE& value) const {
    if (!pos) throw std::out_of_range("CMap: no entry at this position");
    auto it = m_map.find(FromPos(pos)->first);
    key = it->first;
    value = it->second;
    ++it;
    pos = it == m_map.end() ? nullptr : ToPos(&*it);
  }

 private:
  typedef std::map<KEY, VALUE> Map;
  typedef typename Map::value_type Entry;
  static POSITION ToPos(const Entry* e) {
    return reinterpret_cast<POSITION>(const_cast<Entry*>(e));
  }
  static const Entry* FromPos(POSITION p) { return reinterpret_cast<const Entry*>(p); }

  Map m_map;
};

class CMapStringToString : public CMap<CString, const char*, CString, const char*> {};
class CMapStringToPtr : public CMap<CString, const char*, void*, void*> {};
class CMapStringToOb : public CMap<CString, const char*, CObject*, CObject*> {};
class CMapPtrToPtr : public CMap<void*, void*, void*, void*> {};
class CMapPtrToWord : public CMap<void*, void*, WORD, WORD> {};
class CMapWordToPtr : public CMap<WORD, WORD, void*, void*> {};
