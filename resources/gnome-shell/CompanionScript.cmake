# Writes the companion's shared script, with the export line a module entry needs after it.
file(READ "${SOURCE}" text)
file(WRITE "${OUTPUT}" "${text}${TAIL}")
