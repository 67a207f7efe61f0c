# Installs the build tree BUILD into the fresh prefix WORK/prefix and checks
# the installed package as its users meet it:
#   CXX=ON     the example of SOURCE/examples is configured with
#              find_package(Korvel) and the prefix alone (and the compiler
#              CXX_COMPILER with the flags CXX_FLAGS the libraries were built
#              with, as a consumer must use a like C++ library), built and run on
#              words whose signs and symmetric normal forms are known; the
#              same source is compiled a second time with the flags of
#              pkg-config korvel, when pkg-config is there; with GMP, the
#              examples of the interface for programs (comparefiles,
#              braidfacts) are run the same ways, braidfacts also built with
#              pkg-config alone, and every header of the interface compiles
#              with the installed interface headers alone on the include path,
#              no core namespace showing in what korvel/korvel.h brings;
#   PYTHON=P   the interpreter P imports korvel from PYTHONDIR under the
#              prefix and prints compare('a', 'b'), which must be 1.
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/fresh_prefix.cmake)

if(CXX)
  # Signs in the original R-ordering and texts of the symmetric normal form
  # (separator "."), worked out by hand: ab = sigma_1 sigma_2 is positive;
  # aB = (ab)^-1 ba, Ab = a^-1 b; the empty word is the trivial braid.
  set(INPUT "ab\naB\nAb\n\n")
  set(EXPECTED "ab: sign +, symmetric normal form .....ab
aB: sign +, symmetric normal form BA.....ba
Ab: sign -, symmetric normal form A.....b
: sign 1, symmetric normal form .....
")
  file(WRITE ${WORK}/words.txt "${INPUT}")

  run(${CMAKE_COMMAND} -S ${SOURCE}/examples -B ${WORK}/example -DCMAKE_PREFIX_PATH=${PREFIX}
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
      "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
  run(${CMAKE_COMMAND} --build ${WORK}/example)
  execute_process(COMMAND ${WORK}/example/braidsigns INPUT_FILE ${WORK}/words.txt
                  OUTPUT_VARIABLE OUT RESULT_VARIABLE STATUS)
  if(NOT STATUS EQUAL 0 OR NOT OUT STREQUAL EXPECTED)
    message(FATAL_ERROR "the example built with find_package(Korvel) gave (${STATUS}):\n${OUT}"
                        "instead of:\n${EXPECTED}")
  endif()

  # Two pairs of 100,000-letter braids through the interface for programs:
  # (aba)^k and (bab)^k, the second as a Tietze list, are the same braid
  # (aba = bab); sigma_1^m is larger than sigma_2^m, since sigma_1^-m sigma_2^m
  # holds sigma_1 negatively only.
  if(EXISTS ${WORK}/example/comparefiles)
    string(REPEAT "aba" 33334 ABA)
    string(REPEAT "2, 1, 2, " 33334 BAB)
    string(REPEAT "a" 100000 A)
    string(REPEAT "b" 100000 B)
    file(WRITE ${WORK}/aba.txt "${ABA}\n")
    file(WRITE ${WORK}/bab.txt "[${BAB}]\n")
    file(WRITE ${WORK}/a.txt "${A}")
    file(WRITE ${WORK}/b.txt "${B}")
    foreach(PAIR "aba;bab;R-ordering: A = B\nsame braid: yes\n" "a;b;R-ordering: A > B\nsame braid: no\n")
      list(GET PAIR 0 FIRST)
      list(GET PAIR 1 SECOND)
      list(GET PAIR 2 WANTED)
      execute_process(COMMAND ${WORK}/example/comparefiles ${WORK}/${FIRST}.txt ${WORK}/${SECOND}.txt
                      OUTPUT_VARIABLE OUT RESULT_VARIABLE STATUS)
      if(NOT STATUS EQUAL 0 OR NOT OUT STREQUAL WANTED)
        message(FATAL_ERROR "comparefiles ${FIRST} ${SECOND} gave (${STATUS}):\n${OUT}instead of:\n${WANTED}")
      endif()
    endforeach()
  elseif(GMP)
    message(FATAL_ERROR "the example comparefiles was not built against the installed package")
  endif()

  # Facts worked out by hand: sigma_1 > sigma_2 (sigma_1^-1 sigma_2 holds
  # sigma_1 negatively only); aba = bab; the coordinates of the trivial braid
  # are (0, 1) for each strand; sigma_1 and sigma_2 are conjugate, as
  # (ab) a (ab)^-1 = (aba) BA = (bab) BA = b, sigma_1 and sigma_1^-1 are not
  # (their exponent sums differ); a stop request already made stops any
  # computation, and a limit of 3 letters refuses the 4 letters of abAB.
  set(FACTS "a > b in the R-ordering: yes
aba and bab: same coordinates
coordinates of the trivial braid on 3 strands: 0 1 0 1 0 1
a and b conjugate: yes
a and A conjugate: no
stop request: Interrupted, a std::exception
max_length 3 on abAB: BoundExceeded at 3, a std::exception
")
  if(GMP)
    execute_process(COMMAND ${WORK}/example/braidfacts OUTPUT_VARIABLE OUT RESULT_VARIABLE STATUS)
    if(NOT STATUS EQUAL 0 OR NOT OUT STREQUAL FACTS)
      message(FATAL_ERROR "braidfacts built with find_package(Korvel) gave (${STATUS}):\n${OUT}"
                          "instead of:\n${FACTS}")
    endif()

    # The interface's headers speak its own language: copied alone, each
    # compiles without the core's headers (which the prefix also holds, for
    # the programs of the core libraries), and nothing korvel/korvel.h brings
    # declares or names a core namespace. GMP's gmpxx.h comes from the system.
    set(ALONE ${WORK}/interface-headers)
    file(COPY ${PREFIX}/include/korvel/korvel DESTINATION ${ALONE})
    if(EXISTS ${ALONE}/korvel/detail)
      message(FATAL_ERROR "the interface's private headers (korvel/detail/) were installed")
    endif()
    file(GLOB HEADERS RELATIVE ${ALONE} ${ALONE}/korvel/*.h)
    list(LENGTH HEADERS COUNT)
    if(COUNT LESS 5)
      message(FATAL_ERROR "only ${COUNT} interface headers were installed: ${HEADERS}")
    endif()
    separate_arguments(FLAGS UNIX_COMMAND "${CXX_FLAGS}")
    foreach(HEADER IN LISTS HEADERS)
      file(WRITE ${WORK}/alone.cpp "#include \"${HEADER}\"\nint main() {}\n")
      run(${CXX_COMPILER} ${FLAGS} -std=c++20 -fsyntax-only -I${ALONE} ${WORK}/alone.cpp)
    endforeach()
    file(WRITE ${WORK}/alone.cpp "#include \"korvel/korvel.h\"\n")
    run(${CXX_COMPILER} ${FLAGS} -std=c++20 -E -P -I${ALONE} ${WORK}/alone.cpp)
    string(REGEX MATCH "(basics|BraidBasics|handlereduction|braidconjugacy|garside|coordinates)::[A-Za-z_]+|namespace +(basics|BraidBasics|handlereduction|braidconjugacy|garside|coordinates)[ {]"
           CORE "${OUTPUT}")
    if(CORE)
      message(FATAL_ERROR "korvel/korvel.h shows the core's name ${CORE}")
    endif()
    string(FIND "${OUTPUT}" "class BoundExceeded" AT)
    if(AT EQUAL -1)
      message(FATAL_ERROR "the preprocessed korvel/korvel.h lacks the interface itself")
    endif()
  endif()

  find_program(PKGCONFIG pkg-config)
  if(PKGCONFIG)
    file(GLOB_RECURSE PCFILE ${PREFIX}/korvel.pc)
    get_filename_component(PCDIR "${PCFILE}" DIRECTORY)
    set(ENV{PKG_CONFIG_PATH} ${PCDIR})
    run(${PKGCONFIG} --cflags --libs korvel)
    separate_arguments(FLAGS UNIX_COMMAND "${CXX_FLAGS} ${OUTPUT}")
    run(${CXX_COMPILER} ${SOURCE}/examples/braidsigns.cpp -o ${WORK}/braidsigns-pc ${FLAGS})
    execute_process(COMMAND ${WORK}/braidsigns-pc INPUT_FILE ${WORK}/words.txt
                    OUTPUT_VARIABLE OUT RESULT_VARIABLE STATUS)
    if(NOT STATUS EQUAL 0 OR NOT OUT STREQUAL EXPECTED)
      message(FATAL_ERROR "the example built with pkg-config gave (${STATUS}):\n${OUT}")
    endif()
    # The whole interface with pkg-config's flags alone: Braid, compare,
    # coordinates, is_conjugate and the errors.
    if(GMP)
      run(${CXX_COMPILER} ${SOURCE}/examples/braidfacts.cpp -o ${WORK}/braidfacts-pc ${FLAGS})
      execute_process(COMMAND ${WORK}/braidfacts-pc OUTPUT_VARIABLE OUT RESULT_VARIABLE STATUS)
      if(NOT STATUS EQUAL 0 OR NOT OUT STREQUAL FACTS)
        message(FATAL_ERROR "braidfacts built with pkg-config gave (${STATUS}):\n${OUT}"
                            "instead of:\n${FACTS}")
      endif()
    endif()
  endif()
endif()

if(PYTHON)
  # Through execute_process itself, so that the ";" of the command does not
  # split it, and from WORK, so that the build tree is not on the path.
  set(ENV{PYTHONPATH} ${PREFIX}/${PYTHONDIR})
  execute_process(COMMAND ${PYTHON} -c "import korvel; print(korvel.compare('a', 'b'))"
                  WORKING_DIRECTORY ${WORK}
                  RESULT_VARIABLE STATUS OUTPUT_VARIABLE OUT ERROR_VARIABLE ERR)
  if(NOT STATUS EQUAL 0 OR NOT OUT STREQUAL "1\n")
    message(FATAL_ERROR "python3 -c \"import korvel; print(korvel.compare('a', 'b'))\" "
                        "printed '${OUT}' (${STATUS}) instead of 1:\n${ERR}")
  endif()
  # The module came from the prefix, not from the build tree.
  execute_process(COMMAND ${PYTHON} -c "import korvel; print(korvel.__file__)"
                  WORKING_DIRECTORY ${WORK}
                  OUTPUT_VARIABLE OUT)
  string(FIND "${OUT}" "${PREFIX}/" AT)
  if(NOT AT EQUAL 0)
    message(FATAL_ERROR "korvel was imported from ${OUT}, not from ${PREFIX}")
  endif()
endif()
