#include "model/particle.h"

#include "platform/sjis.h"

namespace kirabel {

void TParticle::Assign(const TParticle& source) {
  if (this == &source) return;
  colB = source.colB;
  colG = source.colG;
  colR = source.colR;
  b = source.b;
  N = source.N;
  P0x = source.P0x;
  P0y = source.P0y;
  vb = source.vb;
  db = source.db;
  eb = source.eb;
  gt = source.gt;
  et = source.et;
  lt = source.lt;
  elt = source.elt;
  tv = source.tv;
  ns = source.ns;
  visible = source.visible;
  child = source.child;
  am = source.am;
  rmB = source.rmB;
  rmVB = source.rmVB;
  rmGT = source.rmGT;
  rmLT = source.rmLT;
  name = source.name;
}

void TParticle::SetName(const std::string& utf8) {
  name = CutToFileBytes(utf8, kMaxNameBytes);
}

}  // namespace kirabel
