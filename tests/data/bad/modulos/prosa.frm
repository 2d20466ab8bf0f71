Esto es una carta, no un formulario.
Querido amigo:
