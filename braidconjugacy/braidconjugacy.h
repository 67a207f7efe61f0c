// The module BraidConjugacy: the three-strand conjugacy study (lists, the
// braid table, super summit sets, the mu3 tables), in one include.
#pragma once

#include "braidconjugacy/braidtable.h"
#include "braidconjugacy/lists.h"
#include "braidconjugacy/modulargroup.h"
#include "braidconjugacy/mu3.h"
#include "braidconjugacy/studytable.h"
#include "braidconjugacy/supersummit.h"
#include "braidconjugacy/threestrand.h"
