# Writes the manual pages and the bash completion of quernfold-cli from the tool's own help, so
# every command and option the tool knows is documented and completed, and nothing else.
#   cmake -DCLI=quernfold-cli -DMAN_DIR=... -DOUT_DIR=... -DVERSION=... -P CliPages.cmake
# MAN_DIR holds the templates (@COMMANDS@, @COMMAND_LIST@, @NAMES@,
# @NAMES_TEXT@, @VERSION@ are filled in).

function(run_cli out)
  execute_process(COMMAND ${CLI} ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE rc
                  WORKING_DIRECTORY ${OUT_DIR})
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "quernfold-cli ${ARGN} failed (${rc})")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Text as roff takes it literally: backslashes and minus signs escaped, and a line that would
# start with a control character protected.
function(roff_escape out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY ${OUT_DIR})
run_cli(help --help)
string(REGEX REPLACE ".*\ncommands:\n" "" listing "${help}")
string(REGEX REPLACE "\n\n.*" "" listing "${listing}")
string(REPLACE "\n" ";" listing "${listing}")

set(commands "")
set(command_list "")
set(completion_cases "")
foreach(line IN LISTS listing)
  if(NOT line MATCHES "^  ([a-z0-9-]+) +(.*)$")
    message(FATAL_ERROR "unexpected line in the command list: '${line}'")
  endif()
  set(name "${CMAKE_MATCH_1}")
  set(summary "${CMAKE_MATCH_2}")
  list(APPEND names ${name})
  run_cli(usage help ${name})
  string(REGEX REPLACE "^usage:\n" "" usage "${usage}")
  roff_escape(usage_roff "${usage}")
  roff_escape(summary_roff "${summary}")
  string(APPEND commands ".SS ${name}\n${summary_roff}.\n.PP\n.nf\n${usage_roff}.fi\n")
  string(APPEND command_list ".TP\n.B ${name}\n${summary_roff}\n")

  string(REGEX MATCHALL "--[a-z][a-z0-9-]*" options "${usage}")
  list(REMOVE_DUPLICATES options)
  list(JOIN options " " options)
  # Words that follow the command name in its usage lines ("shapes list", "dictionary
  # include|exclude") are its subcommands.
  string(REGEX MATCHALL "quernfold-cli ${name} [a-z][a-z|]*" lines "${usage}")
  set(subcommands "")
  foreach(found IN LISTS lines)
    string(REPLACE "quernfold-cli ${name} " "" found "${found}")
    string(REPLACE "|" ";" found "${found}")
    list(APPEND subcommands ${found})
  endforeach()
  list(REMOVE_DUPLICATES subcommands)
  list(JOIN subcommands " " subcommands)
  string(APPEND completion_cases "        ${name}) options=\"${options}\" subcommands=\"${subcommands}\" ;;\n")
endforeach()
list(JOIN names " " names)

set(NAMES "${names}")
string(REPLACE " " ", " NAMES_TEXT "${names}")
roff_escape(NAMES_TEXT "${NAMES_TEXT}")
set(COMMANDS "${commands}")
set(COMMAND_LIST "${command_list}")
foreach(page quernfold-cli.1 quernfold.1)
  configure_file(${MAN_DIR}/${page}.in ${OUT_DIR}/${page} @ONLY)
endforeach()

set(COMPLETION_CASES "${completion_cases}")
configure_file(${MAN_DIR}/quernfold-cli.bash.in ${OUT_DIR}/quernfold-cli.bash @ONLY)
