# Checks the shipped catalogue: no error, no warning, and every category holds at least its promised
# number of figures (the convex category exactly its thirteen), so that no change can quietly drop figures.
# Run with -DTOOL=<pivo-catalogue> -DCATALOGUE=<file> -DMINIMA=<eight counts, ;-separated> -P ShippedCatalogue.cmake.
execute_process(COMMAND ${TOOL} check ${CATALOGUE} OUTPUT_VARIABLE report ERROR_VARIABLE problems
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "check failed (${result}):\n${report}${problems}")
endif()
if(NOT report MATCHES "; 0 errors, 0 warnings")
  message(FATAL_ERROR "the shipped catalogue must be free of warnings too:\n${report}${problems}")
endif()

# The summary names each category with its count, in category order: "records; Humans 77, Animals 74, ...".
string(REGEX REPLACE "^[0-9]+ records; " "" summary "${report}")
string(REGEX REPLACE ";.*$" "" summary "${summary}")
string(REGEX MATCHALL "[0-9]+(,|$)" counts "${summary}")
list(LENGTH counts found)
if(NOT found EQUAL 8)
  message(FATAL_ERROR "expected eight category counts in: ${summary}")
endif()
foreach(category RANGE 7)
  list(GET counts ${category} count)
  string(REPLACE "," "" count "${count}")
  list(GET MINIMA ${category} minimum)
  if(count LESS minimum)
    message(FATAL_ERROR "category ${category} holds ${count} figures, at least ${minimum} are promised")
  endif()
endforeach()
list(GET counts 6 convex)
string(REPLACE "," "" convex "${convex}")
if(NOT convex EQUAL 13)
  message(FATAL_ERROR "the convex category must hold exactly the thirteen convex figures, not ${convex}")
endif()
