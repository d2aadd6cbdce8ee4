# Writes the C++ source that holds every file of data/runs/ (cmake -P, at build time):
#   cmake -DRUNS_DIR=... -DOUTPUT=... -P embed_runs.cmake
file(GLOB runs RELATIVE ${RUNS_DIR} ${RUNS_DIR}/*.txt)
list(SORT runs)
set(body "")
foreach(name IN LISTS runs)
  file(READ ${RUNS_DIR}/${name} text)
  string(FIND "${text}" ")kvrun\"" clash)
  if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${name} holds the text that ends an embedded run")
  endif()
  string(APPEND body "    {\"${name}\", R\"kvrun(${text})kvrun\"},\n")
endforeach()
list(LENGTH runs count)
set(source "// Made by cmake/embed_runs.cmake from data/runs/ at build time: do not edit.
#include <array>

#include \"core/stored_runs.hpp\"

namespace korvedan {

namespace {

const std::array<StoredRunFile, ${count}> files{{
${body}}};

}  // namespace

std::span<const StoredRunFile> stored_run_files() { return files; }

}  // namespace korvedan
")
file(WRITE ${OUTPUT} "${source}")
