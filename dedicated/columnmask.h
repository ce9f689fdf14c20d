#pragma once
// Column masks: which columns of a request's variable list a get or set leaves out.
//
// A window that leaves columns out of a write saves every column's access word, replaces
// the word of each column to leave out by the invalid bit alone (0x20), writes, and puts
// the saved words back, whatever happens. TColumnMask does exactly that for the length of
// a scope: its destructor restores the words, also when the write raised.
//
//   {
//       TColumnMask mask(Request);
//       mask.LeaveOut({2, 5});   // or mask.Only({0, 7}) to keep those columns alone
//       Write(Request, false);
//   }                            // the access words are back
//
// A mask ends with the set's reply at the latest: the reply puts the words back before the
// table is read again, so the read after a write always reads every column.
//
// A window that keeps access words over a longer time (taken after its first read,
// written back at the start of Add and Refresh) holds a TAccessWords instead.
#include <cstdint>
#include <initializer_list>
#include <vector>

class VhSNMPVarList;
class TWindowRequest;

// Every column's access word, in column order.
class TAccessWords {
public:
    TAccessWords() = default;
    explicit TAccessWords(const VhSNMPVarList& list) { Save(list); }
    void Save(const VhSNMPVarList& list);
    // Puts the saved words back (columns beyond the saved ones keep theirs).
    void Restore(VhSNMPVarList& list) const;
    bool Empty() const { return Words.empty(); }
    unsigned At(int column) const { return Words.at(static_cast<std::size_t>(column)); }

private:
    std::vector<unsigned> Words;
};

class TColumnMask {
public:
    // Saves the access words of the request's list.
    explicit TColumnMask(TWindowRequest* request);
    // Restores them.
    ~TColumnMask();
    TColumnMask(const TColumnMask&) = delete;
    TColumnMask& operator=(const TColumnMask&) = delete;

    // The column's access word becomes the invalid bit alone; a column outside the list is
    // ignored.
    void LeaveOut(int column);
    void LeaveOut(std::initializer_list<int> columns);
    // Every column but these is left out.
    void Only(std::initializer_list<int> columns);
    // The column gets its saved word back (a column left out earlier is taken again).
    void Include(int column);
    // Puts every saved word back now; the mask can be used again afterwards.
    void Restore();

private:
    TWindowRequest* Request;
    TColumnMask* Outer; // the mask this one stands in for while it lives
    TAccessWords Saved;
};
